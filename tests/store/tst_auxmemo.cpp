#include "app/form1.h"
#include "app/module1.h"
#include "display/colourscheme.h"
#include "store/auxmemoform.h"
#include "store/form5.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"
#include "widgets/textbox.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using widgets::boxText;

namespace {

const QString saveAllQuestion = u"現在の表示状態をすべて保存しますか？"_s;
const QString deleteAllQuestion = u"すべてのデータを削除しますか？"_s;
const QStringList form3Files{"11.txt", "12.txt", "13.txt", "14.txt", "15.txt", "16.txt", "17.txt"};

AuxMemoForm &openAux(Form1 &form)
{
    QTest::mouseClick(form.Command25, Qt::LeftButton);
    return *form.form3;
}

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor lightCyan(128, 255, 255);
const QColor lightYellow(255, 255, 128);

} // namespace

class AuxMemoTest : public QObject
{
    Q_OBJECT

private slots:
    void twinWindows();
    void firstOpeningIsEmpty();
    void loadStopsAtFirstMissingFile();
    void saveButtonsAndMessages();
    void lastFieldDropsItsFinalLineBreak();
    void allDeleteAndAllSave();
    void twinsKeepSeparateFiles();
    void clipAndDoubleClick();
    void colourSchemeIsTakenOverOnLoad_data();
    void colourSchemeIsTakenOverOnLoad();
    void schemeChangesReachTheNextOpeningOnly();
    void topmostStateThroughOpenReopenAndClose();
    void endOnMainWindowClosesAllUnsaved();
};

void AuxMemoTest::twinWindows()
{
    TestProgram program;
    Form1 &form = program.start();
    AuxMemoForm &memo = openAux(form);
    QTest::mouseClick(form.Command26, Qt::LeftButton);
    AuxMemoForm &memo2 = *form.form4;
    QCOMPARE(memo.windowTitle(), u"AUX Free Memo"_s);
    QCOMPARE(memo2.windowTitle(), u"AUX Free Memo 2"_s);
    QCOMPARE(memo.size(), QSize(585, 346));
    QCOMPARE(memo2.size(), QSize(580, 345));
    QVERIFY(!memo.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(memo.minimumSize(), memo.maximumSize());
    QVERIFY(memo.parentWidget() == nullptr);
    QCOMPARE(memo.palette().color(QPalette::Window), QColor(192, 192, 192));

    const QList<QLabel *> labels{memo.Label1, memo.Label2, memo.Label3, memo.Label4,
                                 memo.Label5, memo.Label6, memo.Label7};
    const QStringList numerals{u"Ⅰ"_s, u"Ⅱ"_s, u"Ⅲ"_s, u"Ⅳ"_s, u"Ⅴ"_s, u"Ⅵ"_s, u"Ⅶ"_s};
    for (qsizetype i = 0; i < labels.size(); ++i) {
        QCOMPARE(labels[i]->text(), numerals[i]);
        QCOMPARE(labels[i]->font().family(), u"ＭＳ Ｐゴシック"_s);
        QCOMPARE(labels[i]->font().pointSizeF(), 12.0);
        QVERIFY(!labels[i]->font().bold());
    }

    // Rows 420 twips apart; Save then Clip beside each field; the bulk commands below them.
    QCOMPARE(memo.Text1->geometry(), QRect(32, 8, 451, 22));
    QCOMPARE(memo.Text6->geometry().top(), 8 + 5 * 28);
    QCOMPARE(memo.Text7->geometry(), QRect(32, 176, 451, 161));
    QVERIFY(memo.Text7->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
    QVERIFY(memo.Text7->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
    QCOMPARE(memo.Command3->geometry().top(), memo.Text3->geometry().top());
    QVERIFY(memo.Command3->geometry().left() > memo.Text3->geometry().right());
    QVERIFY(memo.Command10->geometry().left() > memo.Command3->geometry().right());
    const QList<QPushButton *> bulk{memo.Command18, memo.Command19, memo.Command15, memo.Command16,
                                    memo.Command17};
    const QStringList bulkCaptions{"New", "Re Load", "All Del", "All Save", "End"};
    int top = memo.Command14->geometry().bottom();
    for (qsizetype i = 0; i < bulk.size(); ++i) {
        QCOMPARE(bulk[i]->text(), bulkCaptions[i]);
        QCOMPARE(bulk[i]->geometry().left(), memo.Command7->geometry().left());
        QCOMPARE(bulk[i]->geometry().right(), memo.Command14->geometry().right());
        QVERIFY(bulk[i]->geometry().top() > top);
        top = bulk[i]->geometry().bottom();
    }
    for (AuxMemoForm *window : {&memo, &memo2}) {
        for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(window->rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
    }
    const QList<QPushButton *> buttons = memo.findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 19);
    for (QPushButton *button : buttons)
        QVERIFY(button->toolTip().isEmpty());
    QCOMPARE(memo.Command1->text(), u"Save"_s);
    QCOMPARE(memo.Command8->text(), u"Clip"_s);

    // Field Ⅶ leads the focus order, then the other fields in order.
    QCOMPARE(memo.focusWidget(), memo.Text7);
    QCOMPARE(nextTabStop(memo.Text7), memo.Text1);
    QCOMPARE(nextTabStop(memo.Text5), memo.Text6);
    // Tab and Shift+Tab leave field Ⅶ with the keyboard; Ctrl+Tab types a tab into it.
    memo.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&memo));
    typeText(memo, u"7"_s);
    pressKey(memo, Qt::Key_Tab);
    QCOMPARE(memo.focusWidget(), memo.Text1);
    typeText(memo, u"1"_s);
    pressKey(memo, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(memo.focusWidget(), memo.Text7);
    pressKey(memo, Qt::Key_Tab, Qt::ControlModifier);
    typeText(memo, u"x"_s);
    QCOMPARE(textsOf(memo), (QStringList{u"1"_s, {}, {}, {}, {}, {}, u"7\tx"_s}));
}

void AuxMemoTest::firstOpeningIsEmpty()
{
    TestProgram program;
    Form1 &form = program.start();
    AuxMemoForm &memo = openAux(form);
    QCOMPARE(textsOf(memo), QStringList(7, QString()));
    QCOMPARE(program.dialogs.shown, QStringList());
    QCOMPARE(QDir(program.dataFolder()).entryList(QDir::Files), QStringList());

    // All Del creates the missing files, emptied; none is deleted.
    program.dialogs.confirmations = {true};
    memo.Command15_Click();
    QCOMPARE(QDir(program.dataFolder()).entryList(QDir::Files), form3Files);
    QCOMPARE(program.readData("11.txt"), QByteArray("\r\n"));
    QCOMPARE(program.readData("17.txt"), QByteArray());
}

void AuxMemoTest::loadStopsAtFirstMissingFile()
{
    TestProgram program;
    for (const QString &name : form3Files) {
        if (name != "13.txt")
            program.writeData(name, "from " + name.toLatin1() + "\r\n");
    }
    program.writeData("12.txt", "a\r\nb\r\nc");
    Form1 &form = program.start();
    AuxMemoForm &memo = openAux(form);
    QCOMPARE(textsOf(memo), QStringList({"from 11.txt", "abc", "", "", "", "", ""}));

    fill(memo, {"1", "2", "3", "4", "5", "6", "7"});
    memo.Command19_Click(); // Re Load
    QCOMPARE(textsOf(memo), QStringList({"from 11.txt", "abc", "", "4", "5", "6", "7"}));
    QCOMPARE(program.dialogs.shown, QStringList());

    // Opened again it keeps what is on screen; only a new load reads the files.
    fill(memo, {"unsaved"});
    openAux(form);
    QCOMPARE(memo.Text1->text(), u"unsaved"_s);
}

void AuxMemoTest::saveButtonsAndMessages()
{
    TestProgram program;
    Form1 &form = program.start();
    AuxMemoForm &memo = openAux(form);
    fill(memo, {u"一"_s, "", "x\ny", "", "", u"😀"_s, "a\r\nb"});
    for (QPushButton *save : {memo.Command1, memo.Command2, memo.Command3, memo.Command4,
                              memo.Command5, memo.Command6, memo.Command7})
        QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(program.dialogs.shown, QStringList({u"Ⅰが保存されました｡ "_s, u"Ⅱが保存されました。"_s,
                                                 u"Ⅲが保存されました。"_s, u"Ⅳが保存されました。"_s,
                                                 u"Ⅴが保存されました。"_s, u"Ⅵが保存されました。"_s,
                                                 u"Ⅶが保存されました。"_s}));
    QCOMPARE(program.readData("11.txt"), QByteArray("\x88\xea\r\n"));
    QCOMPARE(program.readData("12.txt"), QByteArray("\r\n"));
    QCOMPARE(program.readData("13.txt"), QByteArray("x\ny\r\n"));
    QCOMPARE(program.readData("16.txt"), QByteArray("\xEF\xBB\xBF\xF0\x9F\x98\x80\r\n"));
    QCOMPARE(program.readData("17.txt"), QByteArray("a\r\nb"));
    // The main window's field files are not the aux memo's.
    QCOMPARE(program.readData("1.txt"), QByteArray("<missing>"));

    memo.Command18_Click(); // New
    QCOMPARE(textsOf(memo), QStringList(7, QString()));
    QCOMPARE(program.readData("17.txt"), QByteArray("a\r\nb"));
    memo.Command19_Click();
    QCOMPARE(textsOf(memo), QStringList({u"一"_s, "", "x\ny", "", "", u"😀"_s, "a\r\nb"}));
}

void AuxMemoTest::lastFieldDropsItsFinalLineBreak()
{
    TestProgram program;
    Form1 &form = program.start();
    AuxMemoForm &memo = openAux(form);
    fill(memo, {"", "", "", "", "", "", "one\r\n\r\nthree"});
    program.dialogs.confirmations = {true};
    memo.Command16_Click();
    memo.Command17_Click(); // End
    QTRY_VERIFY(!form.form3);
    QCOMPARE(openAux(form).Text7->toPlainText(), u"one\n\nthree"_s);

    form.form3->Text7->setPlainText("one\n\nthree\n");
    form.form3->Command7_Click();
    QCOMPARE(program.readData("17.txt"), QByteArray("one\r\n\r\nthree\r\n"));
    form.form3->Command19_Click();
    QCOMPARE(boxText(form.form3->Text7), u"one\r\n\r\nthree"_s);

    // Read line by line: a lone CR breaks a line too, and only the very last break is lost.
    program.writeData("17.txt", "a\rb\r\n\r\n");
    form.form3->Command19_Click();
    QCOMPARE(boxText(form.form3->Text7), u"a\r\nb\r\n"_s);
}

void AuxMemoTest::allDeleteAndAllSave()
{
    TestProgram program;
    program.writeData("11.txt", "kept\r\n");
    Form1 &form = program.start();
    AuxMemoForm &memo = openAux(form);
    fill(memo, {"1", "2", "3", "4", "5", "6", "7"});

    memo.Command15_Click(); // All Del, answered Cancel
    memo.Command16_Click(); // All Save, answered Cancel
    QCOMPARE(program.dialogs.shown, QStringList({deleteAllQuestion, saveAllQuestion}));
    QCOMPARE(textsOf(memo), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    QCOMPARE(program.readData("11.txt"), QByteArray("kept\r\n"));
    QCOMPARE(program.readData("12.txt"), QByteArray("<missing>"));

    program.dialogs.shown.clear();
    program.dialogs.confirmations = {true};
    QTest::mouseClick(memo.Command16, Qt::LeftButton);
    QCOMPARE(program.dialogs.shown, QStringList({saveAllQuestion, u"すべて保存されました。"_s}));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(program.readData(form3Files[i]), QByteArray::number(i + 1) + "\r\n");
    QCOMPARE(program.readData("17.txt"), QByteArray("7"));

    program.dialogs.shown.clear();
    program.dialogs.confirmations = {true};
    QTest::mouseClick(memo.Command15, Qt::LeftButton);
    QCOMPARE(program.dialogs.shown,
             QStringList({deleteAllQuestion, u"すべてのデータが削除されました。"_s}));
    QCOMPARE(textsOf(memo), QStringList(7, QString()));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(program.readData(form3Files[i]), QByteArray("\r\n"));
    QCOMPARE(program.readData("17.txt"), QByteArray());

    // Every file is there now, so a load empties all seven fields.
    fill(memo, {"1", "2", "3", "4", "5", "6", "7"});
    memo.Command19_Click();
    QCOMPARE(textsOf(memo), QStringList(7, QString()));
}

void AuxMemoTest::twinsKeepSeparateFiles()
{
    TestProgram program;
    program.writeData("13.txt", "first\r\n");
    Form1 &form = program.start();
    QTest::mouseClick(form.Command26, Qt::LeftButton);
    AuxMemoForm &memo2 = *form.form4;
    QCOMPARE(textsOf(memo2), QStringList(7, QString()));
    memo2.Text3->setText("second");
    memo2.Command3_Click();
    QCOMPARE(program.readData("23.txt"), QByteArray("second\r\n"));
    QCOMPARE(program.readData("13.txt"), QByteArray("first\r\n"));

    program.dialogs.confirmations = {true};
    memo2.Command16_Click();
    QCOMPARE(QDir(program.dataFolder()).entryList(QDir::Files),
             QStringList(
                 {"13.txt", "21.txt", "22.txt", "23.txt", "24.txt", "25.txt", "26.txt", "27.txt"}));
    QCOMPARE(openAux(form).Text3->text(), QString()); // "11.txt" is missing: nothing loads
}

void AuxMemoTest::clipAndDoubleClick()
{
    TestProgram program;
    Form1 &form = program.start();
    AuxMemoForm &memo = openAux(form);
    fill(memo, {"1", "2", "3", "4", "5", "6", "seven\r\nlines"});
    const QList<QPushButton *> clips{memo.Command8,  memo.Command9,  memo.Command10, memo.Command11,
                                     memo.Command12, memo.Command13, memo.Command14};
    for (qsizetype i = 0; i < clips.size(); ++i) {
        QTest::mouseClick(clips[i], Qt::LeftButton);
        QCOMPARE(program.clipboard.text(), boxText(fieldsOf(memo)[i]));
    }
    QCOMPARE(program.dialogs.shown, QStringList());

    QTest::mouseDClick(memo.Text7->viewport(), Qt::LeftButton);
    QCOMPARE(memo.Text7->textCursor().selectedText(), u"seven\u2029lines"_s);
    QTest::mouseDClick(memo.Text2, Qt::LeftButton);
    QCOMPARE(memo.Text2->selectedText(), u"2"_s);
}

void AuxMemoTest::colourSchemeIsTakenOverOnLoad_data()
{
    QTest::addColumn<QColor>("nameBackground");
    QTest::addColumn<QColor>("commentText");
    QTest::addColumn<QColor>("auxBackground"); // invalid: the system's own colours
    QTest::addColumn<QColor>("auxText");
    QTest::newRow("white on black") << black << white << black << white;
    QTest::newRow("light cyan on black") << black << lightCyan << black << lightCyan;
    QTest::newRow("light yellow on black") << black << lightYellow << black << lightYellow;
    QTest::newRow("light cyan on white") << white << lightCyan << black << lightCyan;
    QTest::newRow("black on white") << white << black << QColor() << QColor();
    QTest::newRow("white on dark blue") << QColor(0, 0, 128) << white << QColor() << QColor();
}

void AuxMemoTest::colourSchemeIsTakenOverOnLoad()
{
    QFETCH(QColor, nameBackground);
    QFETCH(QColor, commentText);
    QFETCH(QColor, auxBackground);
    QFETCH(QColor, auxText);
    TestProgram program;
    Form1 &form = program.start();
    display::applyScheme({form.Text1}, {nameBackground, black});
    display::applyScheme({form.Text7}, {white, commentText});
    const QPalette systemColours = QLineEdit().palette();
    if (!auxBackground.isValid()) {
        auxBackground = systemColours.color(QPalette::Base);
        auxText = systemColours.color(QPalette::Text);
    }
    AuxMemoForm &memo = openAux(form);
    for (QWidget *field : fieldsOf(memo)) {
        QCOMPARE(display::backgroundOf(field), auxBackground);
        QCOMPARE(display::textColourOf(field), auxText);
    }
}

void AuxMemoTest::schemeChangesReachTheNextOpeningOnly()
{
    TestProgram program;
    Form1 &form = program.start();
    const QList<QWidget *> mainFields{form.Text1, form.Text2, form.Text3, form.Text4,
                                      form.Text5, form.Text6, form.Text7};
    AuxMemoForm &memo = openAux(form);
    const QColor systemBackground = display::backgroundOf(memo.Text1);
    display::applyScheme(mainFields, {black, lightYellow});
    openAux(form);
    QCOMPARE(display::backgroundOf(memo.Text1), systemBackground);

    memo.Command17_Click();
    QTRY_VERIFY(!form.form3);
    QCOMPARE(display::textColourOf(openAux(form).Text4), lightYellow);
    QCOMPARE(display::backgroundOf(form.form3->Text7), black);
}

void AuxMemoTest::topmostStateThroughOpenReopenAndClose()
{
    TestProgram program;
    Form1 &form = program.start();
    QVERIFY(staysOnTop(form));
    AuxMemoForm &memo = openAux(form);
    QVERIFY(!staysOnTop(form));
    QVERIFY(!staysOnTop(memo));
    QVERIFY(memo.isVisible());
    form.Command43_Click(); // the slot chooser as well

    // Closing the chooser by its button puts the main window back, the memo still open.
    QTest::mouseClick(form.form5->Command9, Qt::LeftButton);
    QVERIFY(staysOnTop(form));
    QTRY_VERIFY(!form.form5);

    // Opening the memo again only brings it to the front: the main window stays on top and
    // the unsaved text is still there.
    memo.Text2->setText("unsaved");
    openAux(form);
    QCOMPARE(form.form3.data(), &memo);
    QVERIFY(staysOnTop(form));
    QCOMPARE(memo.Text2->text(), u"unsaved"_s);

    // Minimized, it comes back when opened again.
    memo.showMinimized();
    openAux(form);
    QVERIFY(!memo.isMinimized());
    QCOMPARE(memo.Text2->text(), u"unsaved"_s);

    // The second memo takes the main window out again; its End puts it back.
    QTest::mouseClick(form.Command26, Qt::LeftButton);
    QVERIFY(!staysOnTop(form));
    QTest::mouseClick(form.form4->Command17, Qt::LeftButton);
    QVERIFY(staysOnTop(form));
    QTRY_VERIFY(!form.form4);

    // Closing through the title bar does what End does.
    Module1::SetTopmost(form, 0);
    memo.close();
    QVERIFY(staysOnTop(form));
    QTRY_VERIFY(!form.form3);
    QCOMPARE(program.readData("12.txt"), QByteArray("<missing>"));

    // The next opening loads the window afresh.
    QCOMPARE(openAux(form).Text2->text(), QString());
    QVERIFY(!staysOnTop(form));
}

void AuxMemoTest::endOnMainWindowClosesAllUnsaved()
{
    QPointer<AuxMemoForm> memo;
    {
        TestProgram program;
        Form1 &form = program.start();
        openAux(form).Text1->setText("unsaved");
        QTest::mouseClick(form.Command26, Qt::LeftButton);
        form.Command43_Click();
        memo = form.form3;
        form.Command21_Click();
        QVERIFY(!form.isVisible());
        QTRY_VERIFY(!form.form3 && !form.form4 && !form.form5);
        QCOMPARE(program.readData("11.txt"), QByteArray("<missing>"));
        QCOMPARE(program.dialogs.shown, QStringList());

        // A memo still open when the main window goes goes with it.
        memo = &openAux(form);
    }
    QVERIFY(!memo);
}

QTEST_MAIN(AuxMemoTest)
#include "tst_auxmemo.moc"
