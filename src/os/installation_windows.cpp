#include "os/installation.h"

#include <QDir>

namespace os {

bool isInstalledProgramFolder(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(programFolder)) + u'/';
    for (const char *variable : {"ProgramW6432", "ProgramFiles", "ProgramFiles(x86)"}) {
        const QString programFiles = qEnvironmentVariable(variable);
        if (!programFiles.isEmpty()
            && folder.startsWith(QDir::cleanPath(QDir::fromNativeSeparators(programFiles)) + u'/',
                                 Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace os
