#include "support/fakeprograms.h"

bool FakePrograms::start(const QString &path, const QStringList &arguments, QString *reason)
{
    triedToStart.append(path);
    if (!startable.contains(path)) {
        *reason = QStringLiteral("No such file or directory");
        return false;
    }
    started.append({path, arguments});
    return true;
}
