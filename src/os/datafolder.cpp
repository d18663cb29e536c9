#include "os/datafolder.h"

#include "os/datafolder_system.h"
#include "os/installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace os {

namespace {

const QString dataFolderName = QStringLiteral("Data");
const QString perUserFolderName = QStringLiteral("Quillo");

} // namespace

QString programFolder() { return QCoreApplication::applicationDirPath(); }

QString dataFolderFor(const QString &programFolder)
{
    const QString besideProgram = QDir(programFolder).filePath(dataFolderName);
    const QFileInfo existing(besideProgram);
    if (!isInstalledProgramFolder(programFolder)
        && (existing.exists() || existing.isSymLink() || QFileInfo(programFolder).isWritable()))
        return besideProgram;
    const QString perUser = QDir(userDataRoot()).filePath(perUserFolderName);
    QDir().mkpath(perUser);
    return QDir(perUser).filePath(dataFolderName);
}

} // namespace os
