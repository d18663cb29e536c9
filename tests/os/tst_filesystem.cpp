#include "os/datafolder.h"
#include "support/testprogram.h"
#include "support/testsystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Step = FaultyFileSystem::Step;

class FileSystemTest : public QObject
{
    Q_OBJECT

private slots:
    void writeReplacesWholeFile();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void newFilesAndFoldersAreOwnerOnly();
    void presenceMeansAnOrdinaryFile();
    void readReportsWhy();
    void dataBesideTheProgramUnlessInstalled();
};

void FileSystemTest::writeReplacesWholeFile()
{
    TestProgram program;
    program.writeData("1.txt", "a much longer old text");
    os::FileError error;
    QVERIFY(program.files.write(program.dataPath("1.txt"), "new", &error));
    QCOMPARE(program.readData("1.txt"), QByteArray("new"));
    QCOMPARE(QDir(program.dataFolder()).entryList(QDir::Files), QStringList{"1.txt"});
}

void FileSystemTest::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<Step>("step");
    QTest::newRow("open") << Step::Open;
    QTest::newRow("middle") << Step::Middle;
    QTest::newRow("rename") << Step::Rename;
}

void FileSystemTest::failedWriteKeepsOldFile()
{
    QFETCH(Step, step);
    TestProgram program;
    program.writeData("7.txt", "old comment");
    program.files.failAt = step;
    os::FileError error;
    QVERIFY(!program.files.write(program.dataPath("7.txt"), "new comment that is longer", &error));
    QVERIFY(!error.reason().isEmpty());
    QCOMPARE(program.readData("7.txt"), QByteArray("old comment"));
    // No temporary file is left behind in the Data folder.
    QCOMPARE(QDir(program.dataFolder()).entryList(QDir::Files), QStringList{"7.txt"});
}

void FileSystemTest::newFilesAndFoldersAreOwnerOnly()
{
    if (!hasOwnerOnlyModes())
        QSKIP("This system keeps no owner-only modes on files");
    TestProgram program;
    const QString folder = program.dataFolder();
    QString reason;
    QVERIFY(program.files.makePrivateFolder(folder, &reason));
    QCOMPARE(QFile::permissions(folder) & 0x0777,
             QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    os::FileError error;
    QVERIFY(program.files.write(program.dataPath("4.txt"), "secret\r\n", &error));
    QCOMPARE(QFile::permissions(program.dataPath("4.txt")) & 0x0777,
             QFile::ReadUser | QFile::WriteUser);

    // A file others could read before is closed to them before its new bytes are written: the
    // temporary file too is the owner's alone from the start.
    QVERIFY(QFile::setPermissions(program.dataPath("4.txt"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    QStringList seen;
    program.files.whileWriting = [&] {
        for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
            seen << file.fileName() + u' ' + QString::number(file.permissions() & 0x0777, 16);
    };
    QVERIFY(program.files.write(program.dataPath("4.txt"), "new secret\r\n", &error));
    QVERIFY(!seen.isEmpty());
    for (const QString &file : seen)
        QVERIFY2(file.endsWith(u" 600"), qPrintable(seen.join(u", ")));

    QVERIFY(!program.files.makePrivateFolder(folder, &reason));
    QVERIFY(!reason.isEmpty());
}

void FileSystemTest::presenceMeansAnOrdinaryFile()
{
    TestProgram program;
    program.writeData("1.txt", "");
    QDir(program.dataFolder()).mkdir("3.txt");
    QVERIFY(program.files.isPresentFile(program.dataPath("1.txt")));
    QVERIFY(!program.files.isPresentFile(program.dataPath("2.txt")));
    QVERIFY(!program.files.isPresentFile(program.dataPath("3.txt")));
    QVERIFY(program.files.exists(program.dataPath("3.txt")));
}

void FileSystemTest::readReportsWhy()
{
    TestProgram program;
    os::FileError error;
    QVERIFY(!program.files.read(program.dataPath("none.txt"), &error));
    QVERIFY(!error.reason().isEmpty());
}

void FileSystemTest::dataBesideTheProgramUnlessInstalled()
{
    QTemporaryDir root;
    const QString dataHome = root.filePath(QStringLiteral("data home"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome));                     // Linux
    qputenv("APPDATA", QFile::encodeName(QDir::toNativeSeparators(dataHome))); // Windows
    const QString prefix = root.filePath(QStringLiteral("usr"));
    const QString bin = prefix + QStringLiteral("/bin");
    QVERIFY(QDir().mkpath(bin));

    // A folder the program may write to, such as the build's: Data lies beside the program.
    QCOMPARE(os::dataFolderFor(bin), bin + QStringLiteral("/Data"));

    // Installed there, even where it may write (root's /usr/bin, Program Files as Qt sees it):
    // Data goes to the user's data folder, whose Quillo folder is made ready for it. Linux knows
    // an installation by its menu entry, Windows by Program Files.
    qputenv("ProgramFiles", QFile::encodeName(QDir::toNativeSeparators(prefix)));
    const QString applications = prefix + QStringLiteral("/share/applications");
    QVERIFY(QDir().mkpath(applications));
    QFile entry(applications + QStringLiteral("/io.github.quillo.quillo.desktop"));
    QVERIFY(entry.open(QIODevice::WriteOnly));
    entry.close();
    QCOMPARE(os::dataFolderFor(bin), dataHome + QStringLiteral("/Quillo/Data"));
    QVERIFY(QFileInfo(dataHome + QStringLiteral("/Quillo")).isDir());
    QVERIFY(!QFileInfo::exists(dataHome + QStringLiteral("/Quillo/Data")));
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("APPDATA");
    qunsetenv("ProgramFiles");
}

QTEST_GUILESS_MAIN(FileSystemTest)
#include "tst_filesystem.moc"
