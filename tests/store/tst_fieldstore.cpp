#include "app/form1.h"
#include "store/auxmemoform.h"
#include "store/unsavedfile.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"
#include "text/textcodec.h"
#include "widgets/textbox.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using widgets::boxText;

namespace {

const QString saveAllQuestion = u"現在の表示状態をすべて保存しますか？"_s;
const QString deleteAllQuestion = u"すべてのデータを削除しますか？"_s;

const QStringList sample{"名前",  "me@example.jp", "id", "pass", "http://example.jp",
                         "Re:題", "a\r\nb"};

} // namespace

class FieldStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void saveButtonsWriteFieldFormat();
    void saveMessages();
    void commentKeepsItsLineBreaks();
    void roundTripThroughCodec_data();
    void roundTripThroughCodec();
    void singleLineFilesAreReadLineByLine();
    void loadStopsAtFirstMissingFile();
    void newEmptiesFieldsOnly();
    void allSave();
    void allDelete();
    void failedSaveKeepsFileAndSaysWhy();
    void allSaveStopsAtFirstFailure();
    void unreadableFileIsReported();
    void recoveryFileIsWholeOrNothing();
    void unsavedTextIsKeptUntilSavedOrEnded();
    void nextStartOffersUnsavedText();
};

void FieldStoreTest::saveButtonsWriteFieldFormat()
{
    TestProgram program;
    Form1 &form = program.start();
    program.dialogs.shown.clear();
    form.Command1_Click();
    form.Command7_Click();
    QCOMPARE(program.readData("1.txt"), QByteArray("\r\n"));
    QCOMPARE(program.readData("7.txt"), QByteArray());

    fill(form, sample);
    const QList<QPushButton *> saveButtons{form.Command1, form.Command2, form.Command3,
                                           form.Command4, form.Command5, form.Command6,
                                           form.Command7};
    for (QPushButton *save : saveButtons)
        QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(program.readData("1.txt"), QByteArray("\x96\xbc\x91\x4f\r\n"));
    QCOMPARE(program.readData("2.txt"), QByteArray("me@example.jp\r\n"));
    QCOMPARE(program.readData("5.txt"), QByteArray("http://example.jp\r\n"));
    QCOMPARE(program.readData("6.txt"), QByteArray("Re:\x91\xe8\r\n"));
    QCOMPARE(program.readData("7.txt"), QByteArray("a\r\nb"));
    QCOMPARE(textsOf(form), sample);
}

void FieldStoreTest::saveMessages()
{
    TestProgram program;
    Form1 &form = program.start();
    for (auto save : {&Form1::Command1_Click, &Form1::Command2_Click, &Form1::Command3_Click,
                      &Form1::Command4_Click, &Form1::Command5_Click, &Form1::Command6_Click,
                      &Form1::Command7_Click})
        (form.*save)();
    QCOMPARE(program.dialogs.shown,
             QStringList({u"Nameが保存されました｡ "_s, u"Mailが保存されました。"_s,
                          u"IDが保存されました。"_s, u"Passwordが保存されました。"_s,
                          u"Home Page URLが保存されました。"_s, u"Titleが保存されました。"_s,
                          u"Commentが保存されました。"_s}));
}

void FieldStoreTest::commentKeepsItsLineBreaks()
{
    TestProgram program;
    Form1 &form = program.start();
    form.Text7->setPlainText("line 1\n\nline 3\n");
    program.dialogs.confirmations = {true};
    form.Command23_Click();
    QCOMPARE(program.readData("7.txt"), QByteArray("line 1\r\n\r\nline 3\r\n"));
    form.Command9_Click();
    form.Command8_Click();
    QCOMPARE(boxText(form.Text7), u"line 1\r\n\r\nline 3\r\n"_s);

    // A no-break space is not turned into a blank on its way to the file.
    form.Text7->setPlainText(u"a\u00A0b"_s);
    form.Command7_Click();
    QCOMPARE(program.readData("7.txt"), QByteArray("\xEF\xBB\xBF") + u"a\u00A0b"_s.toUtf8());

    // A line break typed with Shift+Enter is a line break in the file too, wherever it stands.
    form.Text7->setPlainText(u"x\ny"_s);
    form.Text7->moveCursor(QTextCursor::Start);
    QTest::keyClick(form.Text7, Qt::Key_Return, Qt::ShiftModifier);
    form.Text7->moveCursor(QTextCursor::End);
    QTest::keyClick(form.Text7, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(form.Text7, u"z"_s);
    form.Command7_Click();
    QCOMPARE(program.readData("7.txt"), QByteArray("\r\nx\r\ny\r\nz"));
}

void FieldStoreTest::roundTripThroughCodec_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("japanese") << u"書きこみテスト"_s;
    QTest::newRow("half-width katakana") << u"ｶﾀｶﾅ｡"_s;
    QTest::newRow("NEC extensions") << u"①㈱ⅠⅦ"_s;
    QTest::newRow("wave dash of Windows") << u"\uFF5E"_s;
    QTest::newRow("wave dash of Linux") << u"\u301C"_s;
    QTest::newRow("emoji") << u"😀"_s;
}

void FieldStoreTest::roundTripThroughCodec()
{
    QFETCH(QString, text);
    TestProgram program;
    Form1 &form = program.start();
    fill(form, {text, text, text, text, text, text, text + "\r\n" + text});
    program.dialogs.confirmations = {true};
    form.Command23_Click();
    form.Command9_Click();
    form.Command8_Click();
    QCOMPARE(textsOf(form),
             QStringList({text, text, text, text, text, text, text + "\r\n" + text}));
}

void FieldStoreTest::singleLineFilesAreReadLineByLine()
{
    TestProgram program;
    program.writeData("1.txt", "a\r\nb\r\n");
    program.writeData("2.txt", "");
    program.writeData("3.txt", "x\ny\r\n");
    program.writeData("4.txt", "c\rd");
    program.writeData("5.txt", "\xEF\xBB\xBF\xF0\x9F\x98\x80\r\n");
    program.writeData("6.txt", "t\r\n");
    program.writeData("7.txt", "l1\r\nl2\r\n");
    Form1 &form = program.start();
    QCOMPARE(textsOf(form), QStringList({"ab", "", "x\ny", "cd", u"😀"_s, "t", "l1\r\nl2\r\n"}));
    QCOMPARE(program.dialogs.shown, QStringList());
}

void FieldStoreTest::loadStopsAtFirstMissingFile()
{
    TestProgram program;
    for (const char *name : {"1.txt", "2.txt", "3.txt", "5.txt", "6.txt", "7.txt"})
        program.writeData(name, QByteArray("from ") + name + "\r\n");
    QDir(program.dataFolder()).mkdir("4.txt"); // a folder is no field file
    Form1 &form = program.start();
    QCOMPARE(textsOf(form),
             QStringList({"from 1.txt", "from 2.txt", "from 3.txt", "", "", "", ""}));

    fill(form, {"n", "m", "i", "p", "h", "t", "c"});
    form.Command8_Click();
    QCOMPARE(textsOf(form),
             QStringList({"from 1.txt", "from 2.txt", "from 3.txt", "", "h", "t", "c"}));

    QFile::remove(program.dataPath("1.txt"));
    form.Command8_Click();
    QCOMPARE(textsOf(form), QStringList({"", "from 2.txt", "from 3.txt", "", "h", "t", "c"}));
    QCOMPARE(program.dialogs.shown, QStringList());
}

void FieldStoreTest::newEmptiesFieldsOnly()
{
    TestProgram program;
    program.writeData("1.txt", "kept\r\n");
    Form1 &form = program.start();
    fill(form, sample);
    form.Command9_Click();
    QCOMPARE(textsOf(form), QStringList(7, QString()));
    QCOMPARE(program.readData("1.txt"), QByteArray("kept\r\n"));
    QCOMPARE(program.dialogs.shown, QStringList());
}

void FieldStoreTest::allSave()
{
    TestProgram program;
    Form1 &form = program.start();
    fill(form, {"n", "", "", "", "", "", ""});

    form.Command23_Click(); // answered Cancel
    QCOMPARE(program.dialogs.shown, QStringList{saveAllQuestion});
    QCOMPARE(program.readData("1.txt"), QByteArray("<missing>"));

    program.dialogs.shown.clear();
    program.dialogs.confirmations = {true};
    form.Command23_Click();
    QCOMPARE(program.dialogs.shown, QStringList({saveAllQuestion, u"すべて保存されました。"_s}));
    QCOMPARE(program.readData("1.txt"), QByteArray("n\r\n"));
    for (const char *name : {"2.txt", "3.txt", "4.txt", "5.txt", "6.txt"})
        QCOMPARE(program.readData(name), QByteArray("\r\n"));
    QCOMPARE(program.readData("7.txt"), QByteArray());
}

void FieldStoreTest::allDelete()
{
    TestProgram program;
    program.writeData("1.txt", "name\r\n");
    Form1 &form = program.start();
    fill(form, sample);

    form.Command22_Click(); // answered Cancel
    QCOMPARE(program.dialogs.shown, QStringList{deleteAllQuestion});
    QCOMPARE(textsOf(form), sample);
    QCOMPARE(program.readData("1.txt"), QByteArray("name\r\n"));

    program.dialogs.shown.clear();
    program.dialogs.confirmations = {true};
    form.Command22_Click();
    QCOMPARE(program.dialogs.shown,
             QStringList({deleteAllQuestion, u"すべてのデータが削除されました。"_s}));
    QCOMPARE(textsOf(form), QStringList(7, QString()));
    for (const char *name : {"1.txt", "2.txt", "3.txt", "4.txt", "5.txt", "6.txt"})
        QCOMPARE(program.readData(name), QByteArray("\r\n"));
    QCOMPARE(program.readData("7.txt"), QByteArray());

    // Every file now exists, so a load empties all seven fields: none stops it early.
    fill(form, sample);
    form.Command8_Click();
    QCOMPARE(textsOf(form), QStringList(7, QString()));
}

void FieldStoreTest::failedSaveKeepsFileAndSaysWhy()
{
    TestProgram program;
    program.writeData("7.txt", "old");
    Form1 &form = program.start();
    form.Text7->setPlainText("new");
    program.files.failAt = FaultyFileSystem::Step::Middle;
    form.Command7_Click();
    QCOMPARE(program.readData("7.txt"), QByteArray("old"));
    QCOMPARE(boxText(form.Text7), u"new"_s);
    QCOMPARE(program.dialogs.shown.size(), 1);
    const QString message = program.dialogs.shown.first();
    QVERIFY2(message.startsWith(u"ファイル「"_s
                                + QDir::toNativeSeparators(program.dataPath("7.txt"))
                                + u"」に保存できませんでした。\n理由: "_s),
             qPrintable(message));

    // The Data folder replaced by a plain file while the program runs.
    program.files.failAt = FaultyFileSystem::Step::None;
    QDir(program.dataFolder()).removeRecursively();
    QFile data(program.dataFolder());
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.close();
    program.dialogs.shown.clear();
    form.Command1_Click();
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY(program.dialogs.shown.first().contains(u"に保存できませんでした。"_s));
}

void FieldStoreTest::allSaveStopsAtFirstFailure()
{
    TestProgram program;
    Form1 &form = program.start();
    fill(form, sample);
    QDir(program.dataFolder()).mkdir("3.txt"); // cannot be replaced by a file
    program.dialogs.confirmations = {true, true};
    form.Command23_Click();
    const QString notSaved = u"ファイル「"_s + QDir::toNativeSeparators(program.dataPath("3.txt"))
                             + u"」に保存できませんでした。\n理由: "_s;
    QCOMPARE(program.dialogs.shown.size(), 2);
    QVERIFY(program.dialogs.shown.last().startsWith(notSaved));
    QCOMPARE(program.readData("2.txt"), QByteArray("me@example.jp\r\n"));
    QCOMPARE(program.readData("4.txt"), QByteArray("<missing>"));

    program.dialogs.shown.clear();
    form.Command22_Click();
    QCOMPARE(program.dialogs.shown.size(), 2);
    QVERIFY(program.dialogs.shown.last().startsWith(notSaved));
    // Fields whose files were emptied are empty; the one that failed and those after keep text.
    QCOMPARE(textsOf(form),
             QStringList({"", "", "id", "pass", "http://example.jp", "Re:題", "a\r\nb"}));
}

void FieldStoreTest::unreadableFileIsReported()
{
    TestProgram program;
    program.writeData("1.txt", "n\r\n");
    program.writeData("2.txt", "m\r\n");
    program.files.failReads = true;
    Form1 &form = program.start();
    QCOMPARE(textsOf(form), QStringList(7, QString()));
    QCOMPARE(program.dialogs.shown.size(), 1);
    QVERIFY(program.dialogs.shown.first().startsWith(u"ファイル「"_s));
    QVERIFY(program.dialogs.shown.first().contains(u"」を読み込めませんでした。"_s));
}

// Any text comes back exactly; a file cut off anywhere, or with anything added, gives nothing.
void FieldStoreTest::recoveryFileIsWholeOrNothing()
{
    using store::UnsavedField;
    const std::vector<UnsavedField> fields{{u"1.txt"_s, u"山田"_s},
                                           {u"6.txt"_s, QString()},
                                           {u"7.txt"_s, u"a\r\nend\r\n7.txt 3\r\n"_s}};
    const QString text = store::unsavedFileText(fields);
    QCOMPARE(store::parseUnsavedFileText(text), fields);
    QCOMPARE(store::parseUnsavedFileText(store::unsavedFileText({})), std::vector<UnsavedField>());
    for (qsizetype size = 0; size < text.size(); ++size)
        QVERIFY2(!store::parseUnsavedFileText(QStringView(text).first(size)),
                 qPrintable(text.first(size)));
    QVERIFY(!store::parseUnsavedFileText(text + u'x'));
}

namespace {

std::vector<store::UnsavedField> recoveryFileOf(TestProgram &program)
{
    return store::parseUnsavedFileText(text::decodeText(program.readData("unsaved.txt")))
        .value_or(std::vector<store::UnsavedField>{{u"unreadable"_s, {}}});
}

QStringList fileNamesIn(const std::vector<store::UnsavedField> &fields)
{
    QStringList names;
    for (const auto &field : fields)
        names << field.fileName;
    return names;
}

} // namespace

// The recovery file follows the boxes a moment after each change, holds only fields that differ
// from their files, and goes when nothing differs any more or the program ends.
void FieldStoreTest::unsavedTextIsKeptUntilSavedOrEnded()
{
    TestProgram program;
    program.writeData("1.txt", "Taro\r\n");
    Form1 &form = program.start();
    form.Text1->setText(u"Taro"_s);
    form.Text7->setPlainText(u"下書き\n二行目"_s);
    QTRY_COMPARE(recoveryFileOf(program),
                 (std::vector<store::UnsavedField>{{u"7.txt"_s, u"下書き\r\n二行目"_s}}));
    form.Text1->setText(u"Taro 山田"_s);
    form.Command25_Click(); // Aux
    form.form3->Text1->setText(u"memo"_s);
    QTRY_COMPARE(fileNamesIn(recoveryFileOf(program)), QStringList({"1.txt", "7.txt", "11.txt"}));
    form.form3->Command17_Click(); // its End: its text goes with it
    QTRY_COMPARE(fileNamesIn(recoveryFileOf(program)), QStringList({"1.txt", "7.txt"}));
    form.Command1_Click();
    QTRY_COMPARE(fileNamesIn(recoveryFileOf(program)), QStringList({"7.txt"}));
    form.Command7_Click();
    QTRY_COMPARE(program.readData("unsaved.txt"), QByteArray("<missing>"));

    form.Text7->setPlainText(u"more"_s);
    QTRY_COMPARE(fileNamesIn(recoveryFileOf(program)), QStringList({"7.txt"}));
    form.Command21_Click(); // End
    QCOMPARE(program.readData("unsaved.txt"), QByteArray("<missing>"));

    // A write that fails is tried again after the pause, and told once when it fails again, in a
    // message that does not wait.
    TestProgram failing;
    failing.files.failAt = FaultyFileSystem::Step::Rename;
    failing.files.failOnlyFor = u"unsaved.txt"_s;
    failing.start().Text7->setPlainText(u"x"_s);
    QTRY_COMPARE_WITH_TIMEOUT(failing.dialogs.notices.size(), 1, 5000);
    QVERIFY(failing.dialogs.notices.first().startsWith(
        u"保存されていない内容の控え「%1」を書き込めませんでした。\n理由: "_s.arg(
            QDir::toNativeSeparators(failing.dataPath("unsaved.txt")))));
    QCOMPARE(failing.dialogs.shown, QStringList());
    QCOMPARE(program.readData("7.txt"),
             QByteArray("\x89\xba\x8f\x91\x82\xab\r\n\x93\xf1\x8d\x73\x96\xda"));
}

// Yes puts the texts back (an aux memo window opens with its own) and leaves every file as it
// was; No removes the recovery file; a file that is not whole is put aside with a message.
void FieldStoreTest::nextStartOffersUnsavedText()
{
    const QString question =
        u"前回 Quillo が終了したとき、保存されていない内容がありました。\n元に戻しますか？"_s;
    const QByteArray recovery = text::encodeText(store::unsavedFileText(
        {{u"1.txt"_s, u"Taro"_s}, {u"7.txt"_s, u"下書き"_s}, {u"12.txt"_s, u"aux"_s}}));
    for (const bool yes : {true, false}) {
        TestProgram program;
        program.writeData("1.txt", "Taro\r\n");
        program.writeData("unsaved.txt", recovery);
        program.dialogs.confirmations = {yes};
        Form1 &form = program.start();
        QCOMPARE(program.dialogs.shown, QStringList{question});
        QCOMPARE(form.Text1->text(), u"Taro"_s);
        QCOMPARE(form.Text7->toPlainText(), yes ? u"下書き"_s : QString());
        QCOMPARE(bool(form.form3), yes);
        if (yes)
            QCOMPARE(form.form3->Text2->text(), u"aux"_s);
        QCOMPARE(program.readData("unsaved.txt"), yes ? recovery : QByteArray("<missing>"));
        QCOMPARE(program.readData("7.txt"), QByteArray("<missing>"));
    }

    // Nothing that differs from the files: nothing is asked, and the file goes.
    TestProgram same;
    same.writeData("1.txt", "Taro\r\n");
    same.writeData("unsaved.txt",
                   text::encodeText(store::unsavedFileText({{u"1.txt"_s, u"Taro"_s}})));
    same.start();
    QCOMPARE(same.dialogs.shown, QStringList());
    QCOMPARE(same.readData("unsaved.txt"), QByteArray("<missing>"));

    TestProgram broken;
    broken.writeData("unsaved.txt", recovery.first(recovery.size() / 2));
    broken.start();
    QCOMPARE(
        broken.dialogs.shown,
        QStringList{u"前回保存されなかった内容を記録したファイル「%1」を読めませんでした。\n理由: "
                    u"ファイルが壊れています。\nファイルは「%2」に名前を変えて残しました。"_s.arg(
                        QDir::toNativeSeparators(broken.dataPath("unsaved.txt")),
                        QDir::toNativeSeparators(broken.dataPath("unsaved-unreadable.txt")))});
    QCOMPARE(broken.readData("unsaved.txt"), QByteArray("<missing>"));
    QCOMPARE(broken.readData("unsaved-unreadable.txt"), recovery.first(recovery.size() / 2));
    QCOMPARE(broken.form().Text7->toPlainText(), QString());
}

QTEST_MAIN(FieldStoreTest)
#include "tst_fieldstore.moc"
