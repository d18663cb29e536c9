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

QString userRuntimeFolder()
{
    const QString localAppData = qEnvironmentVariable("LOCALAPPDATA");
    const QString root =
        localAppData.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
            : QDir::cleanPath(QDir::fromNativeSeparators(localAppData));
    return root + QStringLiteral("/Quillo");
}

} // namespace os
