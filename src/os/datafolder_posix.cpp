#include "os/datafolder_system.h"

#include <QStandardPaths>

namespace os {

QString userDataRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace os
