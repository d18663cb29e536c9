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
#include <QPlainTextEdit>
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

// Frees that much room of the file system, taken from the filler. (Under Wine the free space of
// a folder reads as its drive's, so the room is counted rather than read.)
void makeRoom(const QString &filler, qint64 bytes)
{
    QVERIFY(QFile::resize(filler, QFileInfo(filler).size() - bytes));
}

QString savingFailed(TestProgram &program, const char *file)
{
    return u"ファイル「"_s + QDir::toNativeSeparators(program.dataPath(file))
           + u"」に保存できませんでした。\n理由: "_s;
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
    void saveComesBeforeTheRecoveryFile();

private:
    QTemporaryDir mountPoint_;
    QString smallDisk_;
    bool mounted_ = false;
    bool mountedHere_ = false;
    int cases_ = 0;
};

// A full file system for real: a small one of its own, which only root may mount. Under Wine the
// test's runner mounts it beforehand (Wine's drive Z: sees every Linux folder) and names it in
// QUILLO_SMALL_DISK.
void WriteFaultsTest::initTestCase()
{
    smallDisk_ = qEnvironmentVariable("QUILLO_SMALL_DISK");
    if (!smallDisk_.isEmpty()) {
        mounted_ = QFileInfo(smallDisk_).isDir();
        return;
    }
    if (!mayMountFileSystems())
        return;
    smallDisk_ = mountPoint_.path();
    mounted_ = mountedHere_ =
        QProcess::execute(
            u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=3m"_s, u"quillo-full"_s, smallDisk_})
        == 0;
}

void WriteFaultsTest::cleanupTestCase()
{
    if (mountedHere_)
        QProcess::execute(u"umount"_s, {smallDisk_});
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

    TestProgram program(fault == Fault::FileSystemFull ? smallDisk_ : QString());
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
        return fault == Fault::FileSystemFull
                   ? message == failed + u"ディスクがいっぱいです。"_s
                   : message.startsWith(failed) && message.size() > failed.size();
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

// On a nearly full disk the user's save comes before the copy of what was not saved: a copy that
// does not fit is told once, in a message that does not wait, and leaves nothing behind; a copy
// that fits gives up its room when the save needs it.
void WriteFaultsTest::saveComesBeforeTheRecoveryFile()
{
    if (!mounted_)
        QSKIP("a full file system needs root to mount one");
    constexpr qint64 megabyte = 1 << 20;
    TestProgram program(smallDisk_);
    const QString filler = program.programFolder() + u"/filler"_s;
    Form1 &form = program.start();
    fillUp(filler);
    makeRoom(filler, megabyte);
    const QString comment(700'000, u'あ'); // 1.4 MB in the file
    form.Text7->setPlainText(comment);
    QTRY_COMPARE_WITH_TIMEOUT(program.dialogs.notices.size(), 1, 5000);
    QCOMPARE(program.dialogs.notices.first(),
             u"保存されていない内容の控え「%1」を書き込めませんでした。\n"
             u"理由: ディスクがいっぱいです。\n入力した内容は画面にそのまま残っています。"_s.arg(
                 QDir::toNativeSeparators(program.dataPath("unsaved.txt"))));
    QCOMPARE(filesIn(program.dataFolder()), QStringList());

    // Tried again after a save, refused again, and not told again.
    form.Text1->setText(u"名前"_s);
    form.Command1_Click();
    form.Command7_Click();
    QCOMPARE(program.dialogs.shown.last(),
             savingFailed(program, "7.txt") + u"ディスクがいっぱいです。"_s);
    QCoreApplication::processEvents();
    QCOMPARE(program.dialogs.notices.size(), 1);
    QCOMPARE(filesIn(program.dataFolder()), QStringList{"1.txt"});

    // Room for one copy of the Comment: the recovery file takes it, then gives it to the save.
    makeRoom(filler, megabyte);
    form.Text7->setPlainText(comment + u'い');
    QTRY_VERIFY_WITH_TIMEOUT(program.readData("unsaved.txt").size() > 1'400'000, 5000);
    form.Command7_Click();
    QCOMPARE(program.dialogs.shown.last(), u"Commentが保存されました。"_s);
    QCOMPARE(program.readData("7.txt"), QByteArray("\x82\xa0").repeated(700'000) + "\x82\xa2");
    QTRY_COMPARE(filesIn(program.dataFolder()), (QStringList{"1.txt", "7.txt"}));
}

QTEST_MAIN(WriteFaultsTest)
#include "tst_writefaults.moc"
