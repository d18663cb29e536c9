#include "platform/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

const QString dataFolderName = QStringLiteral("Data");

} // namespace

QString programFolder() { return QCoreApplication::applicationDirPath(); }

QString dataFolderFor(const QString &programFolder)
{
    const QString besideProgram = QDir(programFolder).filePath(dataFolderName);
    const QFileInfo existing(besideProgram);
    if (existing.exists() || existing.isSymLink() || QFileInfo(programFolder).isWritable())
        return besideProgram;
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(perUser);
    return QDir(perUser).filePath(dataFolderName);
}

} // namespace platform
