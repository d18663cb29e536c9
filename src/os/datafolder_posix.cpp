#include "os/datafolder_system.h"

#include <QDir>
#include <QStandardPaths>

namespace os {

QString userDataRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString userRuntimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

} // namespace os
