#include "support/filecontent.h"

#include <QDir>
#include <QFile>
#include <QTest>

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.flush());
}

QStringList filesIn(const QString &folder, QDir::Filters kinds)
{
    QStringList names =
        QDir(folder).entryList(kinds | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QStringList snapshotOf(const QString &folder)
{
    QStringList entries;
    const QDir dir(folder);
    for (const QFileInfo &info :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (info.isSymLink())
            entries.append(info.fileName() + QStringLiteral(" -> ") + info.symLinkTarget());
        else if (info.isDir())
            entries += snapshotOf(info.filePath());
        else
            entries.append(info.filePath() + QStringLiteral(": ")
                           + QString::fromLatin1(contentOf(info.filePath()).toHex()));
    }
    return entries;
}
