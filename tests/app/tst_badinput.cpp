#include "app/form1.h"
#include "app/form2.h"
#include "store/auxmemoform.h"
#include "support/filecontent.h"
#include "support/testprogram.h"
#include "support/testsystem.h"
#include "widgets/textbox.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStringEncoder>
#include <QTest>
#include <QUrl>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// One reader of the program: it gets the bytes as the file it reads, and gives back the text it
// made of them, or nothing.
struct Reader
{
    const char *name;
    bool foreign; // reads the user's files from anywhere, in any encoding
    QString file; // the Data file it reads, or the empty text for a file of the user's
    std::function<std::optional<QString>(TestProgram &)> read;
};

// Bad bytes, and what every reader (or every foreign reader) must make of them.
struct Input
{
    const char *name;
    QByteArray bytes;
    std::optional<QString> everyReader; // the text exactly
    std::optional<QString> foreignReader;
    QString ending;        // where the text ends: nothing behind it is lost
    qsizetype length = -1; // characters, a bad one standing for its bytes
};

const QByteArray emptyLine = "\r\n";
const QString userFile = u"in.txt"_s;

QString clipboardText() { return QGuiApplication::clipboard()->text(); }

// The fields before the one read, each a file of one empty line, so that the load reaches it.
void writeEarlierFields(TestProgram &program, int first, int count)
{
    for (int n = first; n < first + count; ++n)
        program.writeData(u"%1.txt"_s.arg(n), emptyLine);
}

QString userPath(TestProgram &program) { return program.desktopPath(userFile); }

const QList<Reader> &readers()
{
    static const QList<Reader> all{
        {"Name", false, u"1.txt"_s,
         [](TestProgram &program) -> std::optional<QString> {
             return program.start().Text1->text();
         }},
        {"Comment", false, u"7.txt"_s,
         [](TestProgram &program) -> std::optional<QString> {
             writeEarlierFields(program, 1, 6);
             return widgets::boxText(program.start().Text7);
         }},
        {"slot", false, u"save1.txt"_s,
         [](TestProgram &program) -> std::optional<QString> {
             Form1 &form = program.start();
             form.Command35_Click();
             QStringList texts;
             for (QWidget *box : form.fieldBoxes())
                 texts.append(widgets::boxText(box));
             while (!texts.isEmpty() && texts.last().isEmpty())
                 texts.removeLast();
             return texts.join(u"\r\n"_s);
         }},
        {"aux field", false, u"11.txt"_s,
         [](TestProgram &program) -> std::optional<QString> {
             Form1 &form = program.start();
             form.Command25_Click();
             return form.form3->Text1->text();
         }},
        {"aux memo", false, u"17.txt"_s,
         [](TestProgram &program) -> std::optional<QString> {
             writeEarlierFields(program, 11, 6);
             Form1 &form = program.start();
             form.Command25_Click();
             return widgets::boxText(form.form3->Text7);
         }},
        {"quote mark", false, u"inyo.txt"_s,
         [](TestProgram &program) -> std::optional<QString> {
             Form1 &form = program.start();
             QGuiApplication::clipboard()->setText(u"x"_s);
             form.Command20_Click();
             const QString quoted = clipboardText();
             if (quoted == u"x"_s || !quoted.endsWith(u'x'))
                 return std::nullopt;
             return quoted.chopped(1);
         }},
        {"FileIn", true, QString(),
         [](TestProgram &program) -> std::optional<QString> {
             Form1 &form = program.start();
             QGuiApplication::clipboard()->setText(u"before"_s);
             program.openDialog.answers = {userPath(program)};
             form.Command34_Click();
             if (clipboardText() == u"before"_s)
                 return std::nullopt;
             return form.form2().Text1;
         }},
        {"drop", true, QString(),
         [](TestProgram &program) -> std::optional<QString> {
             Form1 &form = program.start();
             QGuiApplication::clipboard()->setText(u"before"_s);
             QMimeData drop;
             drop.setUrls({QUrl::fromLocalFile(userPath(program))});
             form.lstFileName_OLEDragDrop(drop);
             if (clipboardText() == u"before"_s)
                 return std::nullopt;
             return clipboardText();
         }},
    };
    return all;
}

QByteArray everyByte()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    return bytes.repeated(16);
}

const QString japanese = u"日本語\r\nabc"_s;

QByteArray utf16(QStringConverter::Encoding encoding, bool withMark)
{
    QStringEncoder encoder(encoding, withMark ? QStringConverter::Flag::WriteBom
                                              : QStringConverter::Flag::Default);
    return encoder.encode(japanese);
}

QList<Input> inputs()
{
    return {
        {"NUL bytes", QByteArray("a\0\0b", 4), u"a\0\0b"_s.sliced(0, 4), {}, {}},
        {"binary", everyByte(), {}, {}, {}},
        {"invalid Windows-31J",
         QByteArray("\x91\x4F\x81\x20\xA0\xFD\xFE\xFF\x82 \x8C\xE3"),
         {},
         {},
         u"後"_s},
        {"a lead byte at the very end", QByteArray("\x91\x4F\x82"), {}, {}, {}, 2},
        {"lone CR and LF", QByteArray("a\rb\nc\r\n\r\nd\n\re"), {}, {}, u"e"_s},
        {"UTF-16 LE with its mark", utf16(QStringConverter::Utf16LE, true), {}, japanese, {}},
        {"UTF-16 BE with its mark", utf16(QStringConverter::Utf16BE, true), {}, japanese, {}},
        {"UTF-16 LE without a mark", utf16(QStringConverter::Utf16LE, false), {}, japanese, {}},
        {"UTF-16 BE without a mark", utf16(QStringConverter::Utf16BE, false), {}, japanese, {}},
    };
}

QString pathFor(TestProgram &program, const Reader &reader)
{
    return reader.file.isEmpty() ? userPath(program) : program.dataPath(reader.file);
}

} // namespace

Q_DECLARE_METATYPE(Reader)
Q_DECLARE_METATYPE(Input)

class BadInputTest : public QObject
{
    Q_OBJECT

private slots:
    void everyReaderTakesBadBytes_data();
    void everyReaderTakesBadBytes();
    void everyReaderTakesAHugeLine();
    void everyReaderSurvivesAFileThatVanishesOrChanges();
    void readersRefuseWhatIsNoFile();
};

void BadInputTest::everyReaderTakesBadBytes_data()
{
    QTest::addColumn<Reader>("reader");
    QTest::addColumn<Input>("input");
    for (const Reader &reader : readers()) {
        for (const Input &input : inputs())
            QTest::addRow("%s, %s", reader.name, input.name) << reader << input;
    }
}

// No crash, no hang, and no text lost without a word: what the bytes hold comes through whole.
void BadInputTest::everyReaderTakesBadBytes()
{
    QFETCH(Reader, reader);
    QFETCH(Input, input);
    TestProgram program;
    QDir().mkpath(program.dataFolder());
    writeFile(pathFor(program, reader), input.bytes);
    const std::optional<QString> text = reader.read(program);
    QVERIFY2(text, qPrintable(program.dialogs.shown.join(u" | "_s)));
    QVERIFY(!text->isEmpty());
    if (input.everyReader)
        QCOMPARE(*text, *input.everyReader);
    if (input.foreignReader && reader.foreign)
        QCOMPARE(*text, *input.foreignReader);
    if (!input.ending.isEmpty())
        QVERIFY2(text->endsWith(input.ending), qPrintable(text->right(8)));
    if (input.length >= 0)
        QCOMPARE(text->size(), input.length);
}

// A line of a few megabytes, longer than the pieces the codec and the readers take at a time,
// arrives whole in every reader.
void BadInputTest::everyReaderTakesAHugeLine()
{
    constexpr qsizetype size = 3 * 1024 * 1024 + 1;
    const QByteArray line(size, 'a');
    for (const Reader &reader : readers()) {
        TestProgram program;
        QDir().mkpath(program.dataFolder());
        writeFile(pathFor(program, reader), line);
        const std::optional<QString> text = reader.read(program);
        QVERIFY2(text, reader.name);
        QVERIFY2(text->size() == size, reader.name);
        QVERIFY2(text->count(u'a') == size, reader.name);
    }
}

// A file that is gone when it is read is reported, never taken for an empty one, except by FileIn,
// which ends quietly and leaves the clipboard alone; one that changed is read as it is then.
void BadInputTest::everyReaderSurvivesAFileThatVanishesOrChanges()
{
    for (const Reader &reader : readers()) {
        TestProgram program;
        QDir().mkpath(program.dataFolder());
        const QString path = pathFor(program, reader);
        writeFile(path, "old");
        bool removed = false;
        program.files.beforeRead = [path, &removed](const QString &read) {
            if (read == path)
                removed = QFile::remove(path);
        };
        const std::optional<QString> text = reader.read(program);
        // Windows lets no one remove a file that is open: a reader that holds it already (the
        // drop) reads it as it was, changed or not.
        QVERIFY2(removed || !hasPosixFileNames(), reader.name);
        if (!removed)
            continue;
        QVERIFY2(!text || text->isEmpty() || reader.file == u"inyo.txt"_s, reader.name);
        const bool quiet = QLatin1String(reader.name) == QLatin1String("FileIn");
        QVERIFY2(quiet == program.dialogs.shown.filter(u"を読み込めませんでした。"_s).isEmpty(),
                 qPrintable(program.dialogs.shown.join(u" | "_s)));

        TestProgram changed;
        QDir().mkpath(changed.dataFolder());
        const QString changedPath = pathFor(changed, reader);
        writeFile(changedPath, "old");
        changed.files.beforeRead = [changedPath](const QString &read) {
            if (read == changedPath)
                writeFile(changedPath, "new");
        };
        QCOMPARE(reader.read(changed), std::optional<QString>(u"new"_s));
    }
}

// A pipe, a device or a folder of a text file's name is no file: reading it neither waits for
// ever nor runs out of memory.
void BadInputTest::readersRefuseWhatIsNoFile()
{
    if (!runsLinuxPrograms())
        QSKIP("the pipe and the device are Linux's mkfifo and /dev/zero");
    for (const Reader &reader : readers()) {
        for (const QString &what : {u"pipe"_s, u"device"_s}) {
            TestProgram program;
            QDir().mkpath(program.dataFolder());
            const QString path = pathFor(program, reader);
            if (what == u"pipe"_s)
                QCOMPARE(QProcess::execute(u"mkfifo"_s, {path}), 0);
            else
                QVERIFY(QFile::link(u"/dev/zero"_s, path));
            const std::optional<QString> text = reader.read(program);
            QVERIFY2(!text || text->isEmpty() || reader.file == u"inyo.txt"_s, reader.name);
        }
    }
}

QTEST_MAIN(BadInputTest)
#include "tst_badinput.moc"
