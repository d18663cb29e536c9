#include "os/programs.h"

#include <QProcess>
#include <QStandardPaths>

namespace os {

QString Programs::findOnPath(const QString &name) const
{
    return QStandardPaths::findExecutable(name);
}

bool Programs::start(const QString &path, const QStringList &arguments, QString *reason)
{
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    if (process.startDetached())
        return true;
    *reason = process.errorString();
    return false;
}

} // namespace os
