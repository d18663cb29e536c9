#include "app/form1.h"
#include "support/fieldprobe.h"
#include "support/testprogram.h"
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

QTEST_MAIN(FieldStoreTest)
#include "tst_fieldstore.moc"
