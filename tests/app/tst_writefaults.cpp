#include "app/form1.h"
#include "support/filecontent.h"
#include "support/testprogram.h"
#include "support/testsystem.h"
#include "support/writepaths.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;
using Step = FaultyFileSystem::Step;

namespace {

// Where a write fails: at one step of the safe write, or because of the file system around it.
enum class Fault { Open, Middle, Rename, FolderIsAFile, TargetIsAFolder, FileSystemFull };

const QByteArray oldBytes = "old\r\n";
const QByteArray plainFile = "not a folder";

// Fills the file system up with one file, so that not one more block can be written.
void fillUp(const QString &path)
{
    QFile filler(path);
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
}

} // namespace

Q_DECLARE_METATYPE(WritePath)
Q_DECLARE_METATYPE(Fault)

class WriteFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyWriteFailsSafely_data();
    void everyWriteFailsSafely();
    void fileHeldByAnotherProgram();

private:
    QTemporaryDir smallDisk_;
    bool mounted_ = false;
    int cases_ = 0;
};

// A full file system for real: a small one of its own, which only root may mount.
void WriteFaultsTest::initTestCase()
{
    if (!mayMountFileSystems())
        return;
    mounted_ = QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=1m"_s,
                                              u"quillo-full"_s, smallDisk_.path()})
               == 0;
}

void WriteFaultsTest::cleanupTestCase()
{
    if (mounted_)
        QProcess::execute(u"umount"_s, {smallDisk_.path()});
    qInfo("%d write fault cases passed", cases_);
}

void WriteFaultsTest::everyWriteFailsSafely_data()
{
    QTest::addColumn<WritePath>("path");
    QTest::addColumn<Fault>("fault");
    const std::pair<const char *, Fault> faults[]{
        {"open", Fault::Open},
        {"middle", Fault::Middle},
        {"rename", Fault::Rename},
        {"folder a file", Fault::FolderIsAFile},
        {"target a folder", Fault::TargetIsAFolder},
        {"disk full", Fault::FileSystemFull},
    };
    for (const WritePath &path : writePaths()) {
        for (const auto &[faultName, fault] : faults) {
            // A fault of the whole folder hits the first file a command writes.
            const bool wholeFolder =
                fault == Fault::FolderIsAFile || fault == Fault::FileSystemFull;
            if (wholeFolder && !path.firstWritten)
                continue;
            QTest::addRow("%s, %s", qPrintable(path.name), faultName) << path << fault;
        }
    }
}

// Whatever fails: a message that names the file and the reason, no word of success, the old file
// as it was, the text on screen as it was, and a program that saves once the fault is gone.
void WriteFaultsTest::everyWriteFailsSafely()
{
    QFETCH(WritePath, path);
    QFETCH(Fault, fault);
    if (fault == Fault::FileSystemFull && !mounted_)
        QSKIP("a full file system needs root to mount one");

    TestProgram program(fault == Fault::FileSystemFull ? smallDisk_.path() : QString());
    const QString folder = path.onDesktop ? program.services.desktopFolder : program.dataFolder();
    const QString target = QDir(folder).filePath(path.file);
    const bool hasOld = path.file != u"res.txt"_s; // ">" removes a working file it finds
    Form1 &form = program.start();
    if (hasOld)
        writeFile(target, oldBytes);
    path.prepare(program, form);
    const QStringList screen = screenTexts(form);
    const QString clipboard = QGuiApplication::clipboard()->text();

    switch (fault) {
    case Fault::Open:
    case Fault::Middle:
    case Fault::Rename:
        program.files.failAt = fault == Fault::Open     ? Step::Open
                               : fault == Fault::Middle ? Step::Middle
                                                        : Step::Rename;
        program.files.failOnlyFor = path.file;
        break;
    case Fault::FolderIsAFile:
        QVERIFY(QDir(folder).removeRecursively());
        writeFile(folder, plainFile);
        break;
    case Fault::TargetIsAFolder:
        QVERIFY(QFile::remove(target) || !hasOld);
        QVERIFY(QDir().mkdir(target));
        break;
    case Fault::FileSystemFull:
        fillUp(program.programFolder() + u"/filler"_s);
        break;
    }

    program.dialogs.shown.clear();
    path.run(program, form);

    const QStringList &shown = program.dialogs.shown;
    QVERIFY2(!shown.isEmpty(), "nothing was said");
    const QString failed = u"ファイル「"_s + QDir::toNativeSeparators(target)
                           + u"」に保存できませんでした。\n理由: "_s;
    // ">" goes on to say that it cannot remove a folder in its working file's place.
    const auto said = std::find_if(shown.cbegin(), shown.cend(), [&](const QString &message) {
        return message.startsWith(failed) && message.size() > failed.size();
    });
    QVERIFY2(said != shown.cend(), qPrintable(shown.join(u" | "_s)));
    QVERIFY(path.done.isEmpty() || !shown.contains(path.done));
    QVERIFY(program.browser.shown.isEmpty());
    QCOMPARE(screenTexts(form), screen);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    switch (fault) {
    case Fault::FolderIsAFile:
        QCOMPARE(contentOf(folder), plainFile);
        break;
    case Fault::TargetIsAFolder:
        QVERIFY(QFileInfo(target).isDir());
        QVERIFY(QDir(target).isEmpty());
        break;
    default:
        QCOMPARE(contentOf(target), hasOld ? oldBytes : QByteArray("<missing>"));
    }
    // Nothing half-written is left beside the target.
    const QStringList left = QDir(QFileInfo(target).path()).entryList({path.file + u".*"_s});
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u", "_s)));

    // The fault gone, the same command goes through.
    program.files.failAt = Step::None;
    if (fault == Fault::FolderIsAFile) {
        QVERIFY(QFile::remove(folder));
        QVERIFY(QDir().mkdir(folder));
    } else if (fault == Fault::TargetIsAFolder) {
        QVERIFY(QDir().rmdir(target));
    } else if (fault == Fault::FileSystemFull) {
        QVERIFY(QFile::remove(program.programFolder() + u"/filler"_s));
    }
    program.dialogs.shown.clear();
    path.run(program, form);
    if (!path.done.isEmpty())
        QCOMPARE(shown.last(), path.done);
    if (hasOld)
        QVERIFY(contentOf(target) != oldBytes);
    ++cases_;
}

// A field file that another program holds open and shares with no one (an editor on Windows):
// Save says so, naming the file and the system's reason, and nothing is lost, on screen or on disk.
void WriteFaultsTest::fileHeldByAnotherProgram()
{
    TestProgram program;
    program.writeData("1.txt", "old\r\n");
    Form1 &form = program.start();
    std::shared_ptr<void> held = holdWithoutSharing(program.dataPath("1.txt"));
    if (!held)
        QSKIP("only Windows keeps other programs out of a file held open");
    form.Text1->setText(u"new"_s);
    form.Command1_Click();
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY2(program.dialogs.shown[0].startsWith(
                 u"ファイル「"_s + QDir::toNativeSeparators(program.dataPath("1.txt"))
                 + u"」に保存できませんでした。\n理由: "_s),
             qPrintable(program.dialogs.shown[0]));
    QVERIFY(program.dialogs.shown[0].size() > program.dialogs.shown[0].indexOf(u"理由: "_s) + 4);
    held.reset();
    QCOMPARE(program.readData("1.txt"), QByteArray("old\r\n"));
    QCOMPARE(form.Text1->text(), u"new"_s);
}

QTEST_MAIN(WriteFaultsTest)
#include "tst_writefaults.moc"
