#include "app/form1.h"
#include "os/japaneselook.h"
#include "support/filecontent.h"
#include "support/testprogram.h"
#include "support/testsystem.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString namePrompt = u"Commentを名前をつけてﾃﾞｽｸﾄｯﾌﾟに出力します。\r\n"
                           u"ﾌｧｲﾙ名を入力してください。(拡張子は不要です）"_s;
const QString exported = u"Commentがﾃﾞｽｸﾄｯﾌﾟに出力されました"_s;
const QString printQuestion = u"Comment を印刷しますか？"_s;

// Exports the Comment under the name typed into the input box.
void exportAs(TestProgram &program, const QString &name)
{
    program.dialogs.shown.clear();
    program.dialogs.answers = {name};
    program.form().Command32_Click();
}

} // namespace

class OutputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { os::installJapaneseLook(*qApp); }
    void exportNamesTheFileAfterWhatIsTyped();
    void exportWritesTheCommentByteForByte();
    void exportWithoutANameDoesNothing();
    void exportStaysOnTheDesktop();
    void exportFailuresAreToldAndNeverCalledDone();
    void printSendsTitleEmptyLineAndComment();
    void printGoesOnOverLinesAndPages();
    void printOnlyAfterOkAndWithAPrinter();
};

void OutputTest::exportNamesTheFileAfterWhatIsTyped()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText("c");

    exportAs(program, "memo");
    QCOMPARE(program.dialogs.shown, (QStringList{namePrompt, exported}));
    exportAs(program, "memo.txt");
    exportAs(program, "memo.TXT");
    exportAs(program, "memo.htm");
    exportAs(program, u"ﾒﾓ 2"_s);
    exportAs(program, ".txt");
    QCOMPARE(filesIn(program.desktopPath({})),
             (QStringList{".txt", "memo.TXT.txt", "memo.htm.txt", "memo.txt", u"ﾒﾓ 2.txt"_s}));
    QCOMPARE(contentOf(program.desktopPath("memo.TXT.txt")), QByteArray("c"));

    // The Data folder and the fields are not touched.
    QCOMPARE(filesIn(program.dataFolder()), QStringList());
    QCOMPARE(form.Text7->toPlainText(), u"c"_s);
}

void OutputTest::exportWritesTheCommentByteForByte()
{
    TestProgram program;
    Form1 &form = program.start();
    QGuiApplication::clipboard()->setText("kept");

    exportAs(program, "empty");
    QCOMPARE(contentOf(program.desktopPath("empty.txt")), QByteArray());
    QCOMPARE(program.dialogs.shown.last(), exported);

    // What is on screen, saved or not: CR LF between the lines and nothing after the last.
    form.Text7->setPlainText(u"一行目\n二行目"_s);
    exportAs(program, "memo");
    QCOMPARE(contentOf(program.desktopPath("memo.txt")),
             QByteArray("\x88\xea\x8d\x73\x96\xda\r\n\x93\xf1\x8d\x73\x96\xda"));
    QCOMPARE(program.readData("7.txt"), QByteArray("<missing>"));

    // A second export under the same name replaces the first without a question.
    form.Text7->setPlainText(u"最後の行\n\n"_s);
    exportAs(program, "memo.txt");
    QCOMPARE(program.dialogs.shown, (QStringList{namePrompt, exported}));
    QCOMPARE(contentOf(program.desktopPath("memo.txt")),
             QByteArray("\x8d\xc5\x8c\xe3\x82\xcc\x8d\x73\r\n\r\n"));

    // Text the Windows code page cannot hold goes out as UTF-8 with a byte-order mark.
    form.Text7->setPlainText(u"😀"_s);
    exportAs(program, "emoji");
    QCOMPARE(contentOf(program.desktopPath("emoji.txt")),
             QByteArray("\xEF\xBB\xBF\xF0\x9F\x98\x80"));

    QCOMPARE(QGuiApplication::clipboard()->text(), u"kept"_s);
}

void OutputTest::exportWithoutANameDoesNothing()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText("c");
    exportAs(program, QString()); // cancelled or nothing typed
    QCOMPARE(program.dialogs.shown, QStringList{namePrompt});
    QCOMPARE(filesIn(program.desktopPath({})), QStringList());
}

void OutputTest::exportStaysOnTheDesktop()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText("c");
    QTemporaryDir outside;
    const QString desktop = QDir(outside.path()).filePath("Desktop");
    QVERIFY(QDir().mkdir(desktop));
    program.services.desktopFolder = desktop;

    const QList<std::pair<QString, QString>> refused{
        {"../escape", u"フォルダの区切り（/ と \\）は名前に使えません。"_s},
        {"sub/memo", u"フォルダの区切り（/ と \\）は名前に使えません。"_s},
        {"sub\\memo", u"フォルダの区切り（/ と \\）は名前に使えません。"_s},
        {"..", u"「.」と「..」はフォルダを指す名前です。"_s},
        {".", u"「.」と「..」はフォルダを指す名前です。"_s},
        {"tab\there", u"制御文字（タブや改行など）は名前に使えません。"_s},
        {u"nul\0here"_s, u"制御文字（タブや改行など）は名前に使えません。"_s},
    };
    for (const auto &[name, reason] : refused) {
        exportAs(program, name);
        QCOMPARE(program.dialogs.shown,
                 (QStringList{namePrompt,
                              u"ファイル名「"_s + name + u"」は使えません。\n理由: "_s + reason}));
    }
    QCOMPARE(filesIn(desktop), QStringList());
    QCOMPARE(filesIn(outside.path()), QStringList{"Desktop"});

    // A symbolic link of the file's name on the desktop is never followed, wherever it points:
    // at a file, at nothing yet, at a folder. (Where links are shortcut files, there are none.)
    const QString victim = outside.filePath("victim.txt");
    writeFile(victim, "keep me");
    QList<std::pair<QString, QString>> links{{"memo", victim},
                                             {"memo.txt", victim},
                                             {"new", outside.filePath("new.txt")},
                                             {"folder", outside.path()}};
    if (!hasPosixFileNames())
        links.clear();
    for (const auto &[name, target] : links) {
        const QString file = QDir(desktop).filePath(name.endsWith(".txt") ? name : name + ".txt");
        QVERIFY(QFile::link(target, file));
        const QStringList before = snapshotOf(outside.path());
        exportAs(program, name);
        QCOMPARE(program.dialogs.shown,
                 (QStringList{namePrompt, u"ファイル「"_s + QDir::toNativeSeparators(file)
                                              + u"」に保存できませんでした。\n理由: "
                                                u"同じ名前のシンボリックリンクがあります。"_s}));
        QCOMPARE(snapshotOf(outside.path()), before);
        QVERIFY(QFile::remove(file));
    }
    QVERIFY(QFile::remove(victim));

    // Placeholders in a name are only characters.
    exportAs(program, "%1%2");
    QCOMPARE(program.dialogs.shown.last(), exported);
    QCOMPARE(filesIn(desktop), QStringList{"%1%2.txt"});
}

void OutputTest::exportFailuresAreToldAndNeverCalledDone()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText("new");
    exportAs(program, "memo");
    form.Text7->setPlainText("newer");

    // The disk gives out halfway: the earlier file stays whole.
    program.files.failAt = FaultyFileSystem::Step::Middle;
    exportAs(program, "memo");
    QCOMPARE(program.dialogs.shown.size(), 2);
    QVERIFY(program.dialogs.shown[1].startsWith(
        u"ファイル「"_s + QDir::toNativeSeparators(program.desktopPath("memo.txt"))
        + u"」に保存できませんでした。\n理由: "_s));
    QCOMPARE(contentOf(program.desktopPath("memo.txt")), QByteArray("new"));
    program.files.failAt = FaultyFileSystem::Step::None;

    // A name the file system refuses: too long for any file.
    exportAs(program, QString(300, u'a'));
    QCOMPARE(program.dialogs.shown.size(), 2);
    QVERIFY(program.dialogs.shown[1].contains(u"に保存できませんでした。\n理由: "_s));

    // No desktop folder at all.
    const QString missing = program.desktopPath("gone");
    program.services.desktopFolder = missing;
    exportAs(program, "memo");
    QCOMPARE(program.dialogs.shown,
             (QStringList{namePrompt,
                          u"ファイル「"_s + QDir::toNativeSeparators(missing + u"/memo.txt"_s)
                              + u"」に保存できませんでした。\n理由: デスクトップのフォルダ「"_s
                              + QDir::toNativeSeparators(missing) + u"」がありません。"_s}));
    QVERIFY(!QFileInfo::exists(missing));
}

void OutputTest::printSendsTitleEmptyLineAndComment()
{
    if (!runsLinuxPrograms())
        QSKIP("reading the printed PDF takes poppler's tools");
    TestProgram program;
    Form1 &form = program.start();
    form.Text6->setText(u"件名 Re:テスト"_s);
    form.Text7->setPlainText(u"一行目 first\n二行目 ｾｶﾝﾄﾞ"_s);
    program.dialogs.confirmations = {true};
    form.Command33_Click();
    QCOMPARE(program.dialogs.shown, QStringList{printQuestion}); // nothing follows a printout
    QCOMPARE(program.printer.printedText(), u"件名 Re:テスト\n\n一行目 first\n二行目 ｾｶﾝﾄﾞ\n\f"_s);
    QCOMPARE(program.printer.pageCount(), 1);
    const double commentTop = program.printer.topOf(u"一行目"_s);
    QVERIFY(commentTop > program.printer.topOf(u"件名"_s));

    // An empty title still takes its line, and the empty line follows.
    form.Text6->clear();
    program.dialogs.confirmations = {true};
    form.Command33_Click();
    QCOMPARE(program.printer.printedText(), u"一行目 first\n二行目 ｾｶﾝﾄﾞ\n\f"_s);
    QCOMPARE(program.printer.topOf(u"一行目"_s), commentTop);
    QCOMPARE(form.Text7->toPlainText(), u"一行目 first\n二行目 ｾｶﾝﾄﾞ"_s);
}

void OutputTest::printGoesOnOverLinesAndPages()
{
    if (!runsLinuxPrograms())
        QSKIP("reading the printed PDF takes poppler's tools");
    TestProgram program;
    Form1 &form = program.start();
    form.Text6->setText("title");
    QStringList lines;
    for (int i = 1; i <= 150; ++i)
        lines.append(u"行%1"_s.arg(i));
    lines.append(QString(400, u'長')); // far wider than the page
    // A word wider than the page, as a long address is: broken inside, not cut at the edge.
    const QString address = u"http://example.com/"_s + QString(300, u'x');
    lines.append(address);
    form.Text7->setPlainText(lines.join(u'\n'));
    program.dialogs.confirmations = {true};
    form.Command33_Click();

    QVERIFY(program.printer.pageCount() >= 3);
    const QString printed = program.printer.printedText();
    QStringList rows = printed.split(u'\n');
    for (QString &row : rows)
        row.remove(u'\f');
    QVERIFY(rows.contains("title"));
    for (int i = 1; i <= 150; ++i)
        QVERIFY2(rows.contains(u"行%1"_s.arg(i)), qPrintable(u"行%1"_s.arg(i)));
    // Every character of the long line is on paper, over several rows.
    QCOMPARE(printed.count(u'長'), 400);
    QVERIFY(!rows.contains(QString(400, u'長')));
    QCOMPARE(printed.count(u'x'), 300 + 1); // and the one of "example"
    QVERIFY(!rows.contains(address));
}

void OutputTest::printOnlyAfterOkAndWithAPrinter()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText("c");

    form.Command33_Click(); // Cancel
    QCOMPARE(program.dialogs.shown, QStringList{printQuestion});
    QCOMPARE(program.printer.printedText(), QString());

    program.printer.present = false;
    program.dialogs.confirmations = {true};
    form.Command33_Click();
    QCOMPARE(program.dialogs.shown,
             (QStringList{printQuestion, printQuestion, u"プリンタが見つかりません。"_s}));
    QCOMPARE(program.printer.printedText(), QString());

    // A printer that refuses the job.
    program.printer.present = true;
    program.printer.outputFile = program.desktopPath("no such folder/printout.pdf");
    program.dialogs.shown.clear();
    program.dialogs.confirmations = {true};
    form.Command33_Click();
    QCOMPARE(program.dialogs.shown,
             (QStringList{printQuestion, u"印刷できませんでした。\n理由: 「"_s
                                             + program.printer.outputFile
                                             + u"」が印刷を受け付けませんでした。"_s}));

    // A print server that takes the pages but refuses the job, with its reason.
    program.printer.outputFile.clear();
    program.printer.refusal = u"The printer or class is not currently accepting jobs."_s;
    program.dialogs.shown.clear();
    program.dialogs.confirmations = {true};
    form.Command33_Click();
    QCOMPARE(program.dialogs.shown,
             (QStringList{printQuestion, u"印刷できませんでした。\n理由: 「"_s
                                             + program.printer.pdfPath()
                                             + u"」が印刷を受け付けませんでした。\n"
                                               u"The printer or class is not currently accepting "
                                               u"jobs."_s}));
}

QTEST_MAIN(OutputTest)
#include "tst_output.moc"
