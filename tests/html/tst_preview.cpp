#include "app/form1.h"
#include "app/form2.h"
#include "os/browser.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"
#include "support/testsystem.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray head =
    "<html><head><meta charset=Shift_JIS><title>Quillo.html</title></head><body text=#000000 "
    "bgcolor=#FFFFFF>";
const QByteArray foot = "</body></html>";

// A folder that stands in for PATH while it lives, holding the desktop's page opener, xdg-open,
// as a shell script with this body (or none at all).
class OpenerPath
{
public:
    explicit OpenerPath(const QByteArray &body)
        : path_(qgetenv("PATH"))
    {
        if (!body.isNull()) {
            QFile opener(folder_.filePath(u"xdg-open"_s));
            QVERIFY(opener.open(QIODevice::WriteOnly));
            opener.write("#!/bin/sh\nPATH=/usr/bin:/bin\n" + body);
            opener.setPermissions(opener.permissions() | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(folder_.path()));
    }
    ~OpenerPath() { qputenv("PATH", path_); }

    QString filePath(const QString &name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
    QByteArray path_;
};

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void filesHoldTheCommentInThePageFrame();
    void pageIsShownFromTheDataFolder();
    void eachClickRewritesAndShowsAgain();
    void browserThatCannotStartIsReported();
    void filesThatCannotBeWrittenAreReported();
    void desktopBrowserSaysWhetherABrowserStarted();
};

void PreviewTest::filesHoldTheCommentInThePageFrame()
{
    struct Case
    {
        QString comment;
        QByteArray checkTxt;
        QByteArray checkHtml;
    };
    const QList<Case> cases{
        {u""_s, head + "\r\n\r\n" + foot, head + "<br>\r\n<br>\r\n" + foot},
        {u"last line\n"_s, head + "\r\nlast line\r\n\r\n" + foot,
         head + "<br>\r\nlast line<br>\r\n<br>\r\n" + foot},
        {u"one\ntwo\nthree"_s, head + "\r\none\r\ntwo\r\nthree\r\n" + foot,
         head + "<br>\r\none<br>\r\ntwo<br>\r\nthree<br>\r\n" + foot},
        {u"<b>太字</b> & <a href=\"x\">&amp;</a>\n\n>引用"_s,
         head + "\r\n<b>\x91\xbe\x8e\x9a</b> & <a href=\"x\">&amp;</a>\r\n\r\n>\x88\xf8\x97\x70\r\n"
             + foot,
         head
             + "<br>\r\n<b>\x91\xbe\x8e\x9a</b> & <a href=\"x\">&amp;</a><br>\r\n<br>\r\n>"
               "\x88\xf8\x97\x70<br>\r\n"
             + foot},
        // Windows-31J cannot hold the wave dash of Linux input methods: UTF-8 with a byte-order
        // mark, which browsers read as such.
        {u"〜"_s, "\xef\xbb\xbf" + head + "\r\n\xe3\x80\x9c\r\n" + foot,
         "\xef\xbb\xbf" + head + "<br>\r\n\xe3\x80\x9c<br>\r\n" + foot},
    };
    for (const Case &c : cases) {
        TestProgram program;
        Form1 &form = program.start();
        form.Text7->setPlainText(c.comment);
        form.Command27_Click();
        QCOMPARE(program.readData(u"check.txt"_s), c.checkTxt);
        QCOMPARE(program.readData(u"check.html"_s), c.checkHtml);
        QVERIFY(program.dialogs.shown.isEmpty());
    }
}

void PreviewTest::pageIsShownFromTheDataFolder()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText(u"a\nb"_s);
    QGuiApplication::clipboard()->setText(u"untouched"_s);
    QTest::mouseClick(form.Command27, Qt::LeftButton);
    QCOMPARE(program.browser.shown,
             QList<QUrl>{QUrl::fromLocalFile(program.dataPath(u"check.html"_s))});
    QCOMPARE(program.browser.shown.first().scheme(), u"file"_s);
    // The page stays in the scratch; the comment, the clipboard and the top layer are untouched.
    QCOMPARE(form.form2().Text1, QString::fromLatin1(head + "<br>\r\na<br>\r\nb<br>\r\n" + foot));
    QCOMPARE(form.Text7->toPlainText(), u"a\nb"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"untouched"_s);
    QVERIFY(staysOnTop(form));
}

void PreviewTest::eachClickRewritesAndShowsAgain()
{
    TestProgram program;
    program.writeData(u"check.txt"_s, QByteArray(500, 'x'));
    program.writeData(u"check.html"_s, QByteArray(500, 'x'));
    Form1 &form = program.start();
    form.Text7->setPlainText(u"first"_s);
    form.Command27_Click();
    form.Text7->setPlainText(u"2nd"_s);
    form.Command27_Click();
    QCOMPARE(program.readData(u"check.txt"_s), head + "\r\n2nd\r\n" + foot);
    QCOMPARE(program.readData(u"check.html"_s), head + "<br>\r\n2nd<br>\r\n" + foot);
    QCOMPARE(program.browser.shown.size(), 2);
    QCOMPARE(program.browser.shown[0], program.browser.shown[1]);
}

void PreviewTest::browserThatCannotStartIsReported()
{
    TestProgram program;
    program.browser.starts = false;
    Form1 &form = program.start();
    form.Command27_Click();
    QCOMPARE(program.dialogs.shown,
             QStringList{u"ファイル「"_s
                         + QDir::toNativeSeparators(program.dataPath(u"check.html"_s))
                         + u"」をブラウザで表示できませんでした。\n理由: "
                           "Webブラウザを起動できません。"_s});
    QCOMPARE(program.readData(u"check.html"_s), head + "<br>\r\n<br>\r\n" + foot);
}

void PreviewTest::filesThatCannotBeWrittenAreReported()
{
    // The disk fills up while check.txt is written: no page, no browser.
    {
        TestProgram program;
        program.writeData(u"check.html"_s, "earlier");
        Form1 &form = program.start();
        program.files.failAt = FaultyFileSystem::Step::Middle;
        form.Command27_Click();
        QCOMPARE(program.dialogs.shown.size(), 1);
        QVERIFY(program.dialogs.shown[0].startsWith(
            u"ファイル「"_s + QDir::toNativeSeparators(program.dataPath(u"check.txt"_s))
            + u"」に保存できませんでした。\n理由: "_s));
        QCOMPARE(program.readData(u"check.txt"_s), QByteArray("<missing>"));
        QCOMPARE(program.readData(u"check.html"_s), QByteArray("earlier"));
        QVERIFY(program.browser.shown.isEmpty());
    }
    // A folder stands where check.html belongs: check.txt is written, the page is not shown.
    {
        TestProgram program;
        Form1 &form = program.start();
        QVERIFY(QDir(program.dataFolder()).mkdir(u"check.html"_s));
        form.Command27_Click();
        QCOMPARE(program.dialogs.shown.size(), 1);
        QVERIFY(program.dialogs.shown[0].startsWith(
            u"ファイル「"_s + QDir::toNativeSeparators(program.dataPath(u"check.html"_s))
            + u"」に保存できませんでした。\n理由: "_s));
        QCOMPARE(program.readData(u"check.txt"_s), head + "\r\n\r\n" + foot);
        QVERIFY(program.browser.shown.isEmpty());
    }
}

void PreviewTest::desktopBrowserSaysWhetherABrowserStarted()
{
    if (!runsLinuxPrograms())
        QSKIP("the stand-ins for xdg-open are shell scripts");
    const QUrl page = QUrl::fromLocalFile(u"/ホーム/a b%/Data/check.html"_s);
    // xdg-open hands the page to a browser and ends: shown, the URL given as one encoded argument.
    {
        OpenerPath opener("printf '%s|' \"$@\" >\"$0.args\"\n");
        QVERIFY(os::DesktopBrowser().showPage(page));
        QFile args(opener.filePath(u"xdg-open.args"_s));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll(), "file:///%E3%83%9B%E3%83%BC%E3%83%A0/a%20b%25/Data/check.html|");
    }
    // xdg-open finds no browser (it then ends with 3) or the browser fails (4): not shown.
    for (const QByteArray &failure : {QByteArray("exit 3\n"), QByteArray("exit 4\n")}) {
        OpenerPath opener(failure);
        QVERIFY(!os::DesktopBrowser().showPage(page));
    }
    // No xdg-open at all: not shown.
    {
        OpenerPath opener(QByteArray{});
        QVERIFY(!os::DesktopBrowser().showPage(page));
    }
    // xdg-open starts the browser itself and waits for it to end: shown, and left running.
    {
        OpenerPath opener("while [ ! -e \"$0.closed\" ]; do sleep 0.05; done\n"
                          "touch \"$0.ended\"\n");
        QVERIFY(os::DesktopBrowser(std::chrono::milliseconds(200)).showPage(page));
        QVERIFY(!QFile::exists(opener.filePath(u"xdg-open.ended"_s)));
        QFile(opener.filePath(u"xdg-open.closed"_s)).open(QIODevice::WriteOnly);
        QTRY_VERIFY(QFile::exists(opener.filePath(u"xdg-open.ended"_s)));
    }
}

QTEST_MAIN(PreviewTest)
#include "tst_preview.moc"
