#include "os/installation.h"

#include "buildinfo.h"

#include <QDir>
#include <QFileInfo>

namespace os {

bool isInstalledProgramFolder(const QString &programFolder)
{
    // The build knows where the installation puts the entry relative to the program.
    return QFileInfo(QDir(programFolder).filePath(QStringLiteral(QUILLO_ENTRY_FROM_PROGRAM)))
        .isFile();
}

} // namespace os
