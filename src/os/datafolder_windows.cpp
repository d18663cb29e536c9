#include "os/datafolder_system.h"

#include <QDir>
#include <QStandardPaths>

namespace os {

QString userDataRoot()
{
    // %APPDATA%, the folder that roams with the user; Qt names only its own folder inside it.
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return QDir::cleanPath(QDir::fromNativeSeparators(appData));
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace os
