#include "app/form1.h"
#include "app/module1.h"
#include "store/form5.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString prompt(int slot) { return u"現在の表示内容を %1 に保存しますか？"_s.arg(slot); }

// Saves the fields into a slot through the chooser, answering its question with OK.
void saveSlot(TestProgram &program, int slot)
{
    Form1 &form = program.form();
    form.Command43_Click();
    program.dialogs.confirmations = {true};
    const QList<QPushButton *> slotButtons{
        form.form5->Command1, form.form5->Command2, form.form5->Command3, form.form5->Command4,
        form.form5->Command5, form.form5->Command6, form.form5->Command7, form.form5->Command8};
    QTest::mouseClick(slotButtons[slot - 1], Qt::LeftButton);
}

const QStringList sample{u"名前"_s,
                         "me@example.jp",
                         "id",
                         "pass",
                         "http://example.jp",
                         u"Re:題"_s,
                         u"一行目\r\n\r\n三行目\r\n"_s};

} // namespace

class SnapshotSlotsTest : public QObject
{
    Q_OBJECT

private slots:
    void chooserWindow();
    void chooserSharesTheTopmostState();
    void roundTrip();
    void emptyFieldsGiveSevenLineBreaks();
    void lineBreakInSingleLineFieldShiftsLaterFields();
    void shortAndLongSlotFiles_data();
    void shortAndLongSlotFiles();
    void everySlotHasItsPromptAndFile();
    void neverSavedSlotAndCancel();
    void failuresAreReportedAndChangeNothing();
    void filesOtherEditorsSaved();
};

void SnapshotSlotsTest::chooserWindow()
{
    TestProgram program;
    Form1 &form = program.start();
    QTest::mouseClick(form.Command43, Qt::LeftButton);
    QVERIFY(form.form5);
    Form5 &chooser = *form.form5;
    QVERIFY(chooser.isVisible());
    QCOMPARE(chooser.windowTitle(), u"All Save 拡張 "_s);
    QCOMPARE(chooser.size(), QSize(468, 55));
    QCOMPARE(chooser.minimumSize(), chooser.maximumSize());
    QVERIFY(!chooser.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!chooser.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(chooser.parentWidget() == nullptr);
    QCOMPARE(chooser.palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(chooser.Label1->text(), u"登録する場所を選択してください。"_s);
    QCOMPARE(chooser.Command9->text(), u"Close"_s);

    // One row of slot buttons under the label, 855 twips wide and 840 apart.
    const QList<QPushButton *> slotButtons = chooser.findChildren<QPushButton *>();
    QCOMPARE(slotButtons.size(), 9);
    QCOMPARE(chooser.Command1->geometry(), QRect(8, 28, 57, 22));
    QCOMPARE(chooser.Command8->geometry(), QRect(400, 28, 57, 22));
    QCOMPARE(chooser.Command8->text(), u"8"_s);
    QVERIFY(chooser.Command9->geometry().right() < chooser.width());
    QVERIFY(chooser.Command9->geometry().bottom() < chooser.Command1->geometry().top());
    for (QPushButton *button : slotButtons)
        QVERIFY(button->toolTip().isEmpty());
    QCOMPARE(program.dialogs.shown, QStringList());
}

void SnapshotSlotsTest::chooserSharesTheTopmostState()
{
    TestProgram program;
    Form1 &form = program.start();
    QVERIFY(staysOnTop(form));
    form.Command43_Click();
    QVERIFY(!staysOnTop(form));
    QVERIFY(!staysOnTop(*form.form5));

    // Opened again, it only comes to the front: the main window, back on top meanwhile, stays.
    Form5 *chooser = form.form5;
    Module1::SetTopmost(form, 1);
    form.Command43_Click();
    QCOMPARE(form.form5.data(), chooser);
    QVERIFY(staysOnTop(form));

    // The main window can load slots while the chooser is open.
    fill(form, sample);
    saveSlot(program, 1);
    form.Command9_Click();
    form.Command35_Click();
    QCOMPARE(textsOf(form), sample);

    Module1::SetTopmost(form, 0);
    QTest::mouseClick(chooser->Command9, Qt::LeftButton); // Close
    QVERIFY(staysOnTop(form));
    QTRY_VERIFY(!form.form5);

    // The title bar's close box puts the main window back on top as well.
    form.Command43_Click();
    QVERIFY(!staysOnTop(form));
    form.form5->close();
    QVERIFY(staysOnTop(form));
    QTRY_VERIFY(!form.form5);
}

void SnapshotSlotsTest::roundTrip()
{
    TestProgram program;
    Form1 &form = program.start();
    fill(form, sample);
    saveSlot(program, 3);
    QCOMPARE(program.dialogs.shown, QStringList{prompt(3)});
    QCOMPARE(program.readData("save3.txt"),
             QByteArray("\x96\xbc\x91\x4f\r\nme@example.jp\r\nid\r\npass\r\nhttp://example.jp\r\n"
                        "Re:\x91\xe8\r\n\x88\xea\x8d\x73\x96\xda\r\n\r\n\x8e\x4f\x8d\x73\x96\xda"
                        "\r\n\r\n"));
    // Slots leave the field files alone, and the chooser stays open for more.
    QCOMPARE(program.readData("1.txt"), QByteArray("<missing>"));
    QVERIFY(form.form5->isVisible());

    form.Command9_Click();
    QTest::mouseClick(form.Command37, Qt::LeftButton);
    QCOMPARE(textsOf(form), sample);
    QCOMPARE(program.dialogs.shown, QStringList{prompt(3)});

    // Text Windows-31J cannot hold goes into the file as UTF-8 and comes back whole.
    const QStringList wide{u"😀"_s, u"\u301C"_s, "", "", "", "", u"a\r\nb😀"_s};
    fill(form, wide);
    saveSlot(program, 3);
    QVERIFY(program.readData("save3.txt").startsWith("\xEF\xBB\xBF"));
    form.Command9_Click();
    form.Command37_Click();
    QCOMPARE(textsOf(form), wide);
}

void SnapshotSlotsTest::emptyFieldsGiveSevenLineBreaks()
{
    TestProgram program;
    Form1 &form = program.start();
    saveSlot(program, 8);
    QCOMPARE(program.readData("save8.txt"), QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));
    fill(form, sample);
    QTest::mouseClick(form.Command42, Qt::LeftButton);
    QCOMPARE(textsOf(form), QStringList(7, QString()));
}

void SnapshotSlotsTest::lineBreakInSingleLineFieldShiftsLaterFields()
{
    TestProgram program;
    Form1 &form = program.start();
    fill(form, {"n", "m\r\nx", "i", "p", "h", "t", "c"});
    saveSlot(program, 2);
    QCOMPARE(program.readData("save2.txt"), QByteArray("n\r\nm\r\nx\r\ni\r\np\r\nh\r\nt\r\nc\r\n"));
    form.Command36_Click();
    QCOMPARE(textsOf(form), QStringList({"n", "m", "x", "i", "p", "h", "t\r\nc"}));

    // A lone LF is no line break: it stays inside its field.
    fill(form, {"a\nb", "", "", "", "", "", ""});
    saveSlot(program, 2);
    form.Command36_Click();
    QCOMPARE(textsOf(form), QStringList({"a\nb", "", "", "", "", "", ""}));
}

void SnapshotSlotsTest::shortAndLongSlotFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("empty") << QByteArray() << QStringList(7, QString());
    QTest::newRow("two lines, the last unended")
        << QByteArray("a\r\nb") << QStringList({"a", "b", "", "", "", "", ""});
    QTest::newRow("seven lines, no final break")
        << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7")
        << QStringList({"1", "2", "3", "4", "5", "6", "7"});
    QTest::newRow("lone CR ends a line")
        << QByteArray("a\rb\r\n") << QStringList({"a", "b", "", "", "", "", ""});
    QTest::newRow("more than seven lines")
        << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n\r\n10\r\n")
        << QStringList({"1", "2", "3", "4", "5", "6", "7\r\n8\r\n\r\n10"});
}

void SnapshotSlotsTest::shortAndLongSlotFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, fields);
    TestProgram program;
    program.writeData("save4.txt", file);
    Form1 &form = program.start();
    fill(form, sample);
    form.Command38_Click();
    QCOMPARE(textsOf(form), fields);
}

void SnapshotSlotsTest::everySlotHasItsPromptAndFile()
{
    TestProgram program;
    Form1 &form = program.start();
    const QList<void (Form1::*)()> loads{&Form1::Command35_Click, &Form1::Command36_Click,
                                         &Form1::Command37_Click, &Form1::Command38_Click,
                                         &Form1::Command39_Click, &Form1::Command40_Click,
                                         &Form1::Command41_Click, &Form1::Command42_Click};
    for (int slot = 1; slot <= 8; ++slot) {
        fill(form, {QString::number(slot)});
        saveSlot(program, slot);
        QCOMPARE(program.dialogs.shown.last(), prompt(slot));
        QCOMPARE(program.readData(u"save%1.txt"_s.arg(slot)),
                 QByteArray::number(slot) + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    }
    QCOMPARE(QDir(program.dataFolder()).entryList(QDir::Files).size(), 8);
    for (int slot = 1; slot <= 8; ++slot) {
        (form.*loads[slot - 1])();
        QCOMPARE(form.Text1->text(), QString::number(slot));
    }
}

void SnapshotSlotsTest::neverSavedSlotAndCancel()
{
    TestProgram program;
    Form1 &form = program.start();
    fill(form, sample);
    form.Command39_Click(); // slot 5 was never saved
    QCOMPARE(textsOf(form), sample);
    QCOMPARE(program.dialogs.shown, QStringList());
    QDir(program.dataFolder()).mkdir("save6.txt"); // a folder is no slot file
    form.Command40_Click();
    QCOMPARE(textsOf(form), sample);
    QCOMPARE(program.dialogs.shown, QStringList());

    program.writeData("save5.txt", "old\r\n");
    form.Command43_Click();
    form.form5->Command5_Click(); // answered Cancel
    QCOMPARE(program.dialogs.shown, QStringList{prompt(5)});
    QCOMPARE(program.readData("save5.txt"), QByteArray("old\r\n"));
    form.form5->Command6_Click();
    QCOMPARE(program.readData("save6.txt"), QByteArray("<missing>"));

    // OK replaces the whole file without a further question or any message.
    program.dialogs.shown.clear();
    program.dialogs.confirmations = {true};
    form.form5->Command5_Click();
    QCOMPARE(program.dialogs.shown, QStringList{prompt(5)});
    QVERIFY(program.readData("save5.txt").startsWith("\x96\xbc\x91\x4f\r\n"));
}

void SnapshotSlotsTest::failuresAreReportedAndChangeNothing()
{
    TestProgram program;
    program.writeData("save1.txt", "old\r\n");
    Form1 &form = program.start();
    fill(form, sample);
    program.files.failAt = FaultyFileSystem::Step::Middle;
    saveSlot(program, 1);
    QCOMPARE(program.readData("save1.txt"), QByteArray("old\r\n"));
    QCOMPARE(program.dialogs.shown.size(), 2);
    QVERIFY(program.dialogs.shown.last().startsWith(
        u"ファイル「"_s + QDir::toNativeSeparators(program.dataPath("save1.txt"))
        + u"」に保存できませんでした。\n理由: "_s));

    program.files.failAt = FaultyFileSystem::Step::None;
    program.files.failReads = true;
    program.dialogs.shown.clear();
    form.Command35_Click();
    QCOMPARE(textsOf(form), sample);
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY(program.dialogs.shown.first().startsWith(
        u"ファイル「"_s + QDir::toNativeSeparators(program.dataPath("save1.txt"))
        + u"」を読み込めませんでした。\n理由: "_s));
}

// Notepad and most Linux editors save UTF-8 without a byte-order mark: field and slot files saved
// so load exactly, and the next saves write Windows-31J again, or UTF-8 with a mark where
// Windows-31J cannot hold the text. "café" is Windows-31J too ("cafﾃｩ"), but the likelier reading.
void SnapshotSlotsTest::filesOtherEditorsSaved()
{
    TestProgram program;
    program.writeData("1.txt", u"山田 太郎\r\n"_s.toUtf8());
    for (const char *name : {"2.txt", "3.txt", "4.txt", "5.txt"})
        program.writeData(name, "x\r\n");
    program.writeData("6.txt", "caf\xC3\xA9\r\n");
    program.writeData("7.txt", u"日本語の\r\n投稿"_s.toUtf8());
    program.writeData("save1.txt", u"名前\r\nm\r\ni\r\np\r\nh\r\n件名\r\n本文"_s.toUtf8());
    Form1 &form = program.start();
    QCOMPARE(textsOf(form),
             (QStringList{u"山田 太郎"_s, "x", "x", "x", "x", u"café"_s, u"日本語の\r\n投稿"_s}));

    form.Command1_Click();
    form.Command6_Click();
    form.Command7_Click();
    QCOMPARE(program.readData("1.txt"), QByteArray("\x8e\x52\x93\x63 \x91\xbe\x98\x59\r\n"));
    QCOMPARE(program.readData("6.txt"), QByteArray("\xEF\xBB\xBF"
                                                   "caf\xC3\xA9\r\n"));
    QCOMPARE(program.readData("7.txt"),
             QByteArray("\x93\xfa\x96\x7b\x8c\xea\x82\xcc\r\n\x93\x8a\x8d\x65"));

    form.Command35_Click();
    QCOMPARE(textsOf(form), (QStringList{u"名前"_s, "m", "i", "p", "h", u"件名"_s, u"本文"_s}));
    saveSlot(program, 1);
    QCOMPARE(
        program.readData("save1.txt"),
        QByteArray(
            "\x96\xbc\x91\x4f\r\nm\r\ni\r\np\r\nh\r\n\x8c\x8f\x96\xbc\r\n\x96\x7b\x95\xb6\r\n"));
}

QTEST_MAIN(SnapshotSlotsTest)
#include "tst_snapshotslots.moc"
