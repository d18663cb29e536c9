#include "app/form1.h"
#include "app/form2.h"
#include "os/colourdialog.h"
#include "support/clipboardprobe.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QImage>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

using Handler = void (Form1::*)();

const QString linkPrompt = u"URLを入力してください。"_s;
const QString siteNamePrompt = u"サイト名を入力してください。"_s;
const QString imagePrompt = u"ｲﾒｰｼﾞのURLを入力してください。"_s;
const QString mailPrompt = u"ﾒｰﾙｱﾄﾞﾚｽを入力してください。"_s;
const QString alreadyTagged = u"既にﾀｸﾞが付いています"_s;
const QString linkDone = u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾘﾝｸﾀｸﾞがあります。\r\nﾍﾟｰｽﾄしてお使いください。"_s;
const QString sizePrompt =
    u"Font Size を 1～7の絶対指定あるいは ±1～6の相対指定で入力してください。\r\n\r\n"
    "無入力およびｷｬﾝｾﾙの場合、ﾌｫﾝﾄｻｲｽﾞは設定されません。\r\n"
    "引き続きﾌｫﾝﾄｶﾗｰの設定に進みます。"_s;
const QString fontDone = u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾀｸﾞ付ﾃｷｽﾄがあります。\r\nﾍﾟｰｽﾄしてお使いください。"_s;
const QString noText = u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾃｷｽﾄがありません。\r\n"
                       "ﾀｸﾞを付ける文字列を事前にｸﾘｯﾌﾟﾎﾞｰﾄにｾｯﾄしてください。"_s;

QStringList clipboardFormats() { return clipboard().mimeData()->formats(); }

// Runs one command of a fresh program with these answers for its input boxes.
struct Run
{
    explicit Run(QStringList answers)
    {
        program.dialogs.answers = std::move(answers);
        program.start();
    }
    Form1 &form() { return program.form(); }

    TestProgram program;
};

// Accepts the colour dialog that is about to open with a colour, noting the colour it opened on;
// an invalid colour cancels it.
void answerColourDialog(const QColor &answer, QColor *openedOn)
{
    QTimer::singleShot(0, [answer, openedOn] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        *openedOn = dialog->currentColor();
        if (!answer.isValid()) {
            dialog->reject();
            return;
        }
        dialog->setCurrentColor(answer);
        dialog->accept();
    });
}

} // namespace

class HtmlTagsTest : public QObject
{
    Q_OBJECT

private slots:
    void tagOfEachCommand();
    void refusalsLeaveTheClipboard();
    void tagReplacesEveryClipboardFormat();
    void fontTagSizesAndColours();
    void fontTagWrapsTheClipboardTextWhole();
    void fontTagRefusals();
    void fontTagOfClipboardWithoutText();
    void fontTagCancelledColourDialog();
    void colourDialogOpensOnTheLastChoice();
};

void HtmlTagsTest::tagOfEachCommand()
{
    // Each command with the input boxes it shows, and the tags its answers give.
    using AnswersAndTag = std::pair<QStringList, QString>;
    struct Command
    {
        Handler handler;
        QStringList prompts;
        QList<AnswersAndTag> runs;
    };
    const QList<Command> commands{
        {&Form1::Command28_Click,
         {linkPrompt, siteNamePrompt},
         {
             {{u"http://example.jp/bbs/"_s, u"掲示板"_s},
              u"<a href=\"http://example.jp/bbs/\">掲示板</a>"_s},
             {{u"example.jp"_s, u"Site"_s}, u"<a href=\"http://example.jp\">Site</a>"_s},
             {{u"HTTP://EXAMPLE.JP/"_s, u"Site"_s},
              u"<a href=\"http://HTTP://EXAMPLE.JP/\">Site</a>"_s},
             {{u"http://x.jp/?a=1&b=\"2\"<3"_s, u"A & \"B\" <i>C</i>"_s},
              u"<a href=\"http://x.jp/?a=1&b=\"2\"<3\">A & \"B\" <i>C</i></a>"_s},
             {{u" <a href=x>"_s, u"s"_s}, u"<a href=\"http:// <a href=x>\">s</a>"_s},
             // A site name is taken as typed, a tag of its own included.
             {{u"x.jp"_s, u"<b>太字</b>"_s}, u"<a href=\"http://x.jp\"><b>太字</b></a>"_s},
             {{u"http:/"_s, u"s"_s}, u"<a href=\"http://http:/\">s</a>"_s},
         }},
        {&Form1::Command29_Click,
         {imagePrompt},
         {
             {{u"http://example.jp/a.png"_s}, u"<img src=\"http://example.jp/a.png\">"_s},
         }},
        {&Form1::Command31_Click,
         {mailPrompt},
         {
             {{u"taro@example.jp"_s}, u"<a href=\"mailto:taro@example.jp\">taro@example.jp</a>"_s},
             {{u"mailto:taro@example.jp"_s},
              u"<a href=\"mailto:taro@example.jp\">taro@example.jp</a>"_s},
             {{u"mailto:"_s}, u"<a href=\"mailto:\"></a>"_s},
         }},
    };
    for (const Command &command : commands) {
        for (const auto &[answers, tag] : command.runs) {
            Run run(answers);
            (run.form().*command.handler)();
            QCOMPARE(clipboard().text(), tag);
            QCOMPARE(run.program.dialogs.shown, command.prompts + QStringList{linkDone});
            QVERIFY(staysOnTop(run.form()));
        }
    }

    // The buttons are bound to their commands.
    const QList<std::pair<QPushButton * Form1::*, QString>> buttons{
        {&Form1::Command28, linkPrompt},
        {&Form1::Command29, imagePrompt},
        {&Form1::Command31, mailPrompt}};
    for (const auto &[button, prompt] : buttons) {
        Run run({});
        QTest::mouseClick(run.form().*button, Qt::LeftButton);
        QCOMPARE(run.program.dialogs.shown, QStringList{prompt});
    }
}

void HtmlTagsTest::refusalsLeaveTheClipboard()
{
    struct Case
    {
        Handler command;
        QStringList answers;
        QStringList shown;
    };
    const QList<Case> cases{
        {&Form1::Command28_Click, {}, {linkPrompt}},
        {&Form1::Command28_Click, {u"<"_s, u"never asked"_s}, {linkPrompt, alreadyTagged}},
        {&Form1::Command28_Click,
         {u"<a href=\"http://x.jp\">x</a>"_s},
         {linkPrompt, alreadyTagged}},
        {&Form1::Command28_Click, {u"http://x.jp"_s, u""_s}, {linkPrompt, siteNamePrompt}},
        {&Form1::Command29_Click, {u""_s}, {imagePrompt}},
        {&Form1::Command29_Click, {u"<img src=x>"_s}, {imagePrompt, alreadyTagged}},
        {&Form1::Command31_Click, {}, {mailPrompt}},
        {&Form1::Command31_Click, {u"<-"_s}, {mailPrompt, alreadyTagged}},
    };
    for (const Case &c : cases) {
        Run run(c.answers);
        clipboard().setText(u"held before"_s);
        (run.form().*c.command)();
        QCOMPARE(clipboard().text(), u"held before"_s);
        QCOMPARE(run.program.dialogs.shown, c.shown);
    }
}

void HtmlTagsTest::tagReplacesEveryClipboardFormat()
{
    Run run({u"a@b"_s});
    auto *earlier = new QMimeData;
    earlier->setHtml(u"<b>earlier</b>"_s);
    earlier->setImageData(QImage(2, 2, QImage::Format_RGB32));
    clipboard().setMimeData(earlier);
    run.form().Command31_Click();
    QCOMPARE(clipboardFormats(), QStringList{u"text/plain"_s});
    QCOMPARE(clipboard().text(), u"<a href=\"mailto:a@b\">a@b</a>"_s);
}

void HtmlTagsTest::fontTagSizesAndColours()
{
    struct Case
    {
        QString size;
        QColor colour;
        QString tag;
    };
    const QList<Case> cases{
        {u"3"_s, Qt::red, u"<Font Size=3 color=\"#FF0000\">言葉</font>"_s},
        {u"+2"_s, Qt::black, u"<Font Size=+2 color=\"#000000\">言葉</font>"_s},
        {u"-1"_s, QColor(10, 200, 5), u"<Font Size=-1 color=\"#0AC805\">言葉</font>"_s},
        {u"big \"7\""_s, QColor(0, 0, 15), u"<Font Size=big \"7\" color=\"#00000F\">言葉</font>"_s},
        {u""_s, Qt::white, u"<Font  color=\"#FFFFFF\">言葉</font>"_s},
    };
    for (const Case &c : cases) {
        Run run({c.size});
        run.program.colourDialog.answers = {c.colour};
        clipboard().setText(u"言葉"_s);
        QTest::mouseClick(run.form().Command30, Qt::LeftButton);
        QCOMPARE(clipboard().text(), c.tag);
        QCOMPARE(clipboardFormats(), QStringList{u"text/plain"_s});
        QCOMPARE(run.program.dialogs.shown, (QStringList{sizePrompt, fontDone}));
        QCOMPARE(run.program.colourDialog.shows, 1);
        QVERIFY(staysOnTop(run.form()));
        QVERIFY(run.form().form2().Text2.isEmpty());
    }
}

void HtmlTagsTest::fontTagWrapsTheClipboardTextWhole()
{
    Run run({u"2"_s});
    run.program.colourDialog.answers = {QColor(0x12, 0x34, 0xab)};
    const QString text = u"first a<b\r\nsecond\nthird\r\n"_s;
    clipboard().setText(text);
    bool wasOnTop = true;
    QString scratchWhileShown;
    run.program.colourDialog.whileShown = [&] {
        wasOnTop = staysOnTop(run.form());
        scratchWhileShown = run.form().form2().Text2;
    };
    run.form().Command30_Click();
    QCOMPARE(clipboard().text(), u"<Font Size=2 color=\"#1234AB\">"_s + text + u"</font>"_s);
    QVERIFY(!wasOnTop);
    QCOMPARE(scratchWhileShown, text);
    QVERIFY(staysOnTop(run.form()));
    QVERIFY(run.form().form2().Text2.isEmpty());
}

void HtmlTagsTest::fontTagRefusals()
{
    struct Case
    {
        QString clipboardText;
        QString message;
    };
    const QList<Case> cases{
        {u"<"_s, alreadyTagged},
        {u"<- not a tag"_s, alreadyTagged},
        {u""_s, noText},
    };
    for (const Case &c : cases) {
        Run run({u"3"_s});
        run.program.colourDialog.answers = {Qt::red};
        auto *data = new QMimeData;
        data->setText(c.clipboardText);
        clipboard().setMimeData(data);
        run.form().Command30_Click();
        QVERIFY(clipboard().mimeData()->hasText());
        QCOMPARE(clipboard().text(), c.clipboardText);
        QCOMPARE(run.program.dialogs.shown, QStringList{c.message});
        QCOMPARE(run.program.colourDialog.shows, 0);
        QVERIFY(staysOnTop(run.form()));
        QVERIFY(run.form().form2().Text2.isEmpty());
    }
}

void HtmlTagsTest::fontTagOfClipboardWithoutText()
{
    // An image, or a URL list as a file manager leaves when a file is copied: an empty tag.
    auto *urls = new QMimeData;
    urls->setUrls({QUrl(u"file:///home/taro/post.txt"_s)});
    auto *image = new QMimeData;
    image->setImageData(QImage(4, 4, QImage::Format_RGB32));
    for (QMimeData *data : {image, urls}) {
        Run run({u"3"_s});
        run.program.colourDialog.answers = {Qt::blue};
        clipboard().setMimeData(data);
        run.form().Command30_Click();
        QCOMPARE(clipboard().text(), u"<Font Size=3 color=\"#0000FF\"></font>"_s);
        QCOMPARE(clipboardFormats(), QStringList{u"text/plain"_s});
    }

    // Plain text with its charset named is text.
    Run run({u"3"_s});
    run.program.colourDialog.answers = {Qt::blue};
    auto *text = new QMimeData;
    text->setData(u"text/plain;charset=utf-8"_s, u"文字"_s.toUtf8());
    clipboard().setMimeData(text);
    run.form().Command30_Click();
    QCOMPARE(clipboard().text(), u"<Font Size=3 color=\"#0000FF\">文字</font>"_s);
}

void HtmlTagsTest::fontTagCancelledColourDialog()
{
    Run run({u"3"_s});
    clipboard().setText(u"text"_s);
    run.form().Command30_Click();
    QCOMPARE(run.program.colourDialog.shows, 1);
    QCOMPARE(clipboard().text(), u"text"_s);
    QCOMPARE(run.program.dialogs.shown, QStringList{sizePrompt});
    QVERIFY(staysOnTop(run.form()));
    QVERIFY(run.form().form2().Text2.isEmpty());
}

void HtmlTagsTest::colourDialogOpensOnTheLastChoice()
{
    os::QtColourDialog dialog;
    QColor openedOn;
    answerColourDialog(QColor(0x20, 0x40, 0x60), &openedOn);
    QCOMPARE(dialog.chooseColour(), std::optional<QColor>(QColor(0x20, 0x40, 0x60)));
    QCOMPARE(openedOn, QColor(Qt::black));

    answerColourDialog(QColor(), &openedOn);
    QCOMPARE(dialog.chooseColour(), std::nullopt);
    QCOMPARE(openedOn, QColor(0x20, 0x40, 0x60));

    answerColourDialog(Qt::red, &openedOn);
    QCOMPARE(dialog.chooseColour(), std::optional<QColor>(Qt::red));
    QCOMPARE(openedOn, QColor(0x20, 0x40, 0x60));
}

QTEST_MAIN(HtmlTagsTest)
#include "tst_htmltags.moc"
