#include "app/form1.h"
#include "app/form2.h"
#include "support/clipboardprobe.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString quoted = u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞのﾃｷｽﾄに引用符が付きました"_s;
const QString noText = u"クリップボードにテキストがありません"_s;

void putOnClipboard(const QString &format, const QByteArray &bytes)
{
    auto *data = new QMimeData;
    data->setData(format, bytes);
    clipboard().setMimeData(data);
}

void expectScratchEmpty(Form1 &form)
{
    QCOMPARE(form.form2().Text1, QString());
    QCOMPARE(form.form2().Text2, QString());
    QCOMPARE(form.form2().Text3, QString());
}

} // namespace

class QuoteMarkTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonsAndTheirTooltips();
    void everyLineGetsTheMark_data();
    void everyLineGetsTheMark();
    void markComesFromQuoteMarkFile_data();
    void markComesFromQuoteMarkFile();
    void twoRunsGiveTwoMarks();
    void scratchTextsAndWorkingFileWhileTheMessageIsShown();
    void setMarkStoresItAndClearsClipboard();
    void setMarkCancelledChangesNothing();
    void onlyPlainTextCountsAsText();
    void emptyClipboardTextEndsQuietly();
    void workingFileGoneWhenWritingFails();
    void workingFileGoneWhenReadingFails();
    void workingFileThatCannotBeDeleted();
};

void QuoteMarkTest::everyLineGetsTheMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("worked example") << u"abc\r\n\r\ndef\r\n"_s << u">abc\r\n>\r\n>def"_s;
    QTest::newRow("one line") << u"abc"_s << u">abc"_s;
    QTest::newRow("only CR LF") << u"\r\n"_s << u">"_s;
    QTest::newRow("two breaks at the end") << u"a\r\n\r\n"_s << u">a\r\n>"_s;
    QTest::newRow("lone CR ends a line") << u"a\rb\r"_s << u">a\r\n>b"_s;
    // As browsers outside Windows copy lines: separated by LF alone.
    QTest::newRow("LF only") << u"一行目\n二行目\n三行目"_s << u">一行目\r\n>二行目\r\n>三行目"_s;
    QTest::newRow("a final LF") << u"a\nb\n"_s << u">a\r\n>b"_s;
    QTest::newRow("two final LFs") << u"a\nb\n\n"_s << u">a\r\n>b\r\n>"_s;
    QTest::newRow("empty line between LFs") << u"a\n\nb"_s << u">a\r\n>\r\n>b"_s;
    QTest::newRow("only LF") << u"\n"_s << u">"_s;
    QTest::newRow("mixed breaks") << u"a\r\nb\nc\rd\n\re\r\n\n"_s
                                  << u">a\r\n>b\r\n>c\r\n>d\r\n>\r\n>e\r\n>"_s;
    QTest::newRow("LF before CR LF") << u"a\n\r\n"_s << u">a\r\n>"_s;
    QTest::newRow("blanks kept") << u"  a \r\n\t"_s << u">  a \r\n>\t"_s;
    QTest::newRow("outside Windows-31J") << u"投稿😀\r\n10\u301C20"_s << u">投稿😀\r\n>10\u301C20"_s;
}

void QuoteMarkTest::everyLineGetsTheMark()
{
    QFETCH(QString, text);
    QFETCH(QString, result);

    TestProgram program;
    program.writeData("7.txt", "comment");
    Form1 &form = program.start();
    form.Text1->setText(u"name"_s);
    clipboard().setText(text);
    QTest::mouseClick(form.Command20, Qt::LeftButton);

    QCOMPARE(clipboard().text(), result);
    QCOMPARE(clipboard().mimeData()->formats(), QStringList{"text/plain"});
    QCOMPARE(program.dialogs.shown, QStringList{quoted});
    QCOMPARE(program.readData("res.txt"), QByteArray("<missing>"));
    QVERIFY(!QFile::exists(program.dataPath("inyo.txt")));
    expectScratchEmpty(form);
    QCOMPARE(form.Text1->text(), u"name"_s);
    QCOMPARE(program.readData("7.txt"), QByteArray("comment"));
}

void QuoteMarkTest::markComesFromQuoteMarkFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("result");
    QTest::newRow("mark with blank") << QByteArray("> \r\n") << u"> a\r\n> b"_s;
    QTest::newRow("Windows-31J") << QByteArray("\x81\x84\r\n") << u"＞a\r\n＞b"_s;
    QTest::newRow("empty file: no mark") << QByteArray() << u"a\r\nb"_s;
    QTest::newRow("two lines run together") << QByteArray("|\r\n> \r\n") << u"|> a\r\n|> b"_s;
    // The quote-mark file is read by the rule of every file: a lone LF is part of the mark.
    QTest::newRow("lone LF inside the mark") << QByteArray("|\n>\r\n") << u"|\n>a\r\n|\n>b"_s;
}

void QuoteMarkTest::markComesFromQuoteMarkFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, result);

    TestProgram program;
    program.writeData("inyo.txt", file);
    Form1 &form = program.start();
    clipboard().setText(u"a\r\nb"_s);
    form.Command20_Click();
    QCOMPARE(clipboard().text(), result);
    QCOMPARE(program.readData("inyo.txt"), file);
    expectScratchEmpty(form);
}

void QuoteMarkTest::twoRunsGiveTwoMarks()
{
    TestProgram program;
    Form1 &form = program.start();
    clipboard().setText(u"a\r\nb"_s);
    form.Command20_Click();
    form.Command20_Click();
    QCOMPARE(clipboard().text(), u">>a\r\n>>b"_s);
    QCOMPARE(program.dialogs.shown, QStringList({quoted, quoted}));
}

void QuoteMarkTest::scratchTextsAndWorkingFileWhileTheMessageIsShown()
{
    TestProgram program;
    program.writeData("inyo.txt", "|\r\n> \r\n");
    Form1 &form = program.start();
    clipboard().setText(u"引用\r\nb"_s);
    int shown = 0;
    program.dialogs.whileShown = [&](const QString &) {
        ++shown;
        QCOMPARE(form.form2().Text2, u"引用\r\nb"_s);
        QCOMPARE(form.form2().Text3, u"|> "_s);
        QCOMPARE(form.form2().Text1, u"|> 引用\r\n|> b"_s);
        QCOMPARE(program.readData("res.txt"), QByteArray("\x88\xf8\x97\x70\r\nb"));
    };
    form.Command20_Click();
    QCOMPARE(shown, 1);
    expectScratchEmpty(form);
    QCOMPARE(program.readData("res.txt"), QByteArray("<missing>"));

    // Without a quote-mark file the mark is ">", and nothing is collected from a file.
    QVERIFY(QFile::remove(program.dataPath("inyo.txt")));
    // The working file holds the clipboard text as it is, its lone LF too.
    clipboard().setText(u"c\nd"_s);
    program.dialogs.whileShown = [&](const QString &) {
        ++shown;
        QCOMPARE(form.form2().Text3, QString());
        QCOMPARE(form.form2().Text1, u">c\r\n>d"_s);
        QCOMPARE(program.readData("res.txt"), QByteArray("c\nd"));
    };
    form.Command20_Click();
    QCOMPARE(shown, 2);
}

void QuoteMarkTest::setMarkStoresItAndClearsClipboard()
{
    TestProgram program;
    Form1 &form = program.start();
    clipboard().setText(u"earlier"_s);
    program.dialogs.answers = {u"> "_s};
    QTest::mouseClick(form.Command19, Qt::LeftButton);

    QCOMPARE(program.dialogs.shown,
             QStringList({u"変更する引用符を入力してください\r\n\r\n"
                          u"引用符を変更するとｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容はｸﾘｱされます。\r\n"
                          u"引用する場合は再度行ってください。"_s,
                          u"引用符 >  が保存されました "_s}));
    QCOMPARE(program.readData("inyo.txt"), QByteArray("> \r\n"));
    QCOMPARE(clipboard().text(), QString());

    // The clipboard is empty, as announced: quoting now has nothing to work on.
    program.dialogs.shown.clear();
    form.Command20_Click();
    QCOMPARE(program.dialogs.shown, QStringList{noText});

    // A mark of characters Windows-31J has is kept in Windows-31J, and a new mark replaces it.
    program.dialogs.answers = {u"≫"_s};
    form.Command19_Click();
    QCOMPARE(program.readData("inyo.txt"), QByteArray("\x81\xe2\r\n"));
    clipboard().setText(u"x"_s);
    form.Command20_Click();
    QCOMPARE(clipboard().text(), u"≫x"_s);
}

void QuoteMarkTest::setMarkCancelledChangesNothing()
{
    TestProgram program;
    program.writeData("inyo.txt", "#\r\n");
    Form1 &form = program.start();
    clipboard().setText(u"kept"_s);
    form.Command19_Click(); // no answer: Cancel
    QCOMPARE(program.dialogs.shown.size(), 1);
    QCOMPARE(program.readData("inyo.txt"), QByteArray("#\r\n"));
    QCOMPARE(clipboard().text(), u"kept"_s);
}

void QuoteMarkTest::onlyPlainTextCountsAsText()
{
    // An image, or a URL list as a file manager leaves when a file is copied: no text.
    for (const QString &format : {u"image/png"_s, u"text/uri-list"_s}) {
        TestProgram program;
        program.writeData("res.txt", "left behind");
        Form1 &form = program.start();
        form.form2().Text1 = u"kept"_s;
        putOnClipboard(format, "file:///home/taro/post.txt\r\n");
        form.Command20_Click();

        QCOMPARE(program.dialogs.shown, QStringList{noText});
        QCOMPARE(clipboard().mimeData()->formats(), QStringList{format});
        QCOMPARE(program.readData("res.txt"), QByteArray("left behind"));
        QCOMPARE(form.form2().Text1, u"kept"_s);
    }

    // Plain text with its charset named is text.
    TestProgram program;
    Form1 &form = program.start();
    putOnClipboard(u"text/plain;charset=utf-8"_s, u"引用\r\n行"_s.toUtf8());
    form.Command20_Click();
    QCOMPARE(program.dialogs.shown, QStringList{quoted});
    QCOMPARE(clipboard().text(), u">引用\r\n>行"_s);
}

void QuoteMarkTest::emptyClipboardTextEndsQuietly()
{
    TestProgram program;
    program.writeData("res.txt", "left behind");
    Form1 &form = program.start();
    form.form2().Text1 = u"earlier"_s;
    putOnClipboard(u"text/plain"_s, {});
    form.Command20_Click();

    QVERIFY(program.dialogs.shown.isEmpty());
    QVERIFY(clipboard().mimeData()->hasText());
    QCOMPARE(clipboard().text(), QString());
    QCOMPARE(program.readData("res.txt"), QByteArray("<missing>"));
    expectScratchEmpty(form);
}

void QuoteMarkTest::workingFileGoneWhenWritingFails()
{
    TestProgram program;
    Form1 &form = program.start();
    clipboard().setText(u"a\r\nb"_s);
    program.files.failAt = FaultyFileSystem::Step::Middle;
    form.Command20_Click();

    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY2(program.dialogs.shown[0].startsWith(u"ファイル「%1」に保存できませんでした。"_s.arg(
                 QDir::toNativeSeparators(program.dataPath("res.txt")))),
             qPrintable(program.dialogs.shown[0]));
    QCOMPARE(clipboard().text(), u"a\r\nb"_s);
    QCOMPARE(QDir(program.dataFolder()).entryList(QDir::Files), QStringList());
    expectScratchEmpty(form);
}

void QuoteMarkTest::workingFileGoneWhenReadingFails()
{
    TestProgram program;
    Form1 &form = program.start();
    clipboard().setText(u"a\r\nb"_s);
    program.files.failReads = true;
    form.Command20_Click();

    QCOMPARE(program.dialogs.shown,
             QStringList{u"ファイル「%1」を読み込めませんでした。\n理由: Input/output error"_s.arg(
                 QDir::toNativeSeparators(program.dataPath("res.txt")))});
    QCOMPARE(clipboard().text(), u"a\r\nb"_s);
    QCOMPARE(program.readData("res.txt"), QByteArray("<missing>"));
    expectScratchEmpty(form);
}

void QuoteMarkTest::workingFileThatCannotBeDeleted()
{
    TestProgram program;
    program.writeData("inyo.txt", "|\r\n");
    QVERIFY(QDir(program.dataFolder()).mkdir(u"res.txt"_s));
    Form1 &form = program.start();
    clipboard().setText(u"a"_s);
    form.Command20_Click();

    const QString path = QDir::toNativeSeparators(program.dataPath("res.txt"));
    QCOMPARE(program.dialogs.shown.size(), 2);
    QVERIFY(program.dialogs.shown[0].startsWith(
        u"ファイル「%1」に保存できませんでした。\n理由: "_s.arg(path)));
    QVERIFY(program.dialogs.shown[1].startsWith(
        u"ファイル「%1」を削除できませんでした。\n理由: "_s.arg(path)));
    QCOMPARE(clipboard().text(), u"a"_s);
    QVERIFY(QFileInfo(program.dataPath("res.txt")).isDir());
}

void QuoteMarkTest::buttonsAndTheirTooltips()
{
    TestProgram program;
    Form1 &form = program.start();
    QCOMPARE(form.Command19->text(), u">Set"_s);
    QCOMPARE(form.Command19->toolTip(), u"使用する引用符を変更"_s);
    QCOMPARE(form.Command20->text(), u">"_s);
    QCOMPARE(form.Command20->toolTip(), u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞの文字列に引用符を付けてｸﾘｯﾌﾟﾎﾞｰﾄﾞに戻す"_s);
}

QTEST_MAIN(QuoteMarkTest)
#include "tst_quotemark.moc"
