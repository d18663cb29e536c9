#include "pathcases.h"

#include "app/form1.h"
#include "app/form2.h"
#include "baselines.h"
#include "pairedruns.h"
#include "posttext.h"
#include "store/snapshotslots.h"
#include "support/testprogram.h"
#include "text/textcodec.h"
#include "widgets/textbox.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype megabyte = 1024 * 1024;

// What every case works on: the program started on an empty temporary program folder (no
// field files), the text, and a file for the baseline.
struct Bench
{
    explicit Bench(qsizetype megabytes)
        : text(postText(megabytes * megabyte))
        , form(program.start())
        , baselineFile(program.dataPath(u"baseline.txt"_s))
        , baselineBox(widgets::makeMultiLineBox(nullptr))
    {}

    void require(bool holds, const char *what) const
    {
        if (!holds)
            qFatal("the command did not do its work: %s", what);
    }
    void requireMessage(const QString &message) const
    {
        require(!program.dialogs.shown.isEmpty() && program.dialogs.shown.last() == message,
                qPrintable(message));
    }
    void requireComment() const
    {
        require(form.Text7->document()->blockCount() >= text.count(u'\n'), "the Comment filled");
    }

    const QString text;
    TestProgram program;
    Form1 &form;
    const QString baselineFile;
    // The box a bare program fills: of the Comment's kind.
    const std::unique_ptr<QPlainTextEdit> baselineBox;
};

Pairing savePairing(Bench &bench, std::function<void()> command)
{
    widgets::setBoxText(bench.form.Text7, bench.text);
    return {bench.text.size(), [] {}, std::move(command),
            [&bench] { encodeAndWrite(bench.baselineFile, bench.text); }, [] {}};
}

// Against a bare program that reads, decodes and fills a box of the same kind: filling Qt's box
// is most of the work, and the same for both.
Pairing loadPairing(Bench &bench, std::function<void()> command)
{
    return {bench.text.size(),
            [&bench] {
                widgets::setBoxText(bench.form.Text7, {});
                widgets::setBoxText(bench.baselineBox.get(), {});
            },
            std::move(command),
            [&bench] { readDecodeAndFill(bench.baselineFile, bench.baselineBox.get()); },
            [&bench] { bench.requireComment(); }};
}

// The program's codec against Qt's converter, the way the program used it before, on the same
// Windows-31J bytes and text.
Pairing decode(Bench &bench)
{
    const QByteArray bytes = text::encodeText(bench.text);
    return {bench.text.size(), [] {},
            [&bench, bytes] {
                bench.require(text::decodeText(bytes).size() == bench.text.size(), "decoded");
            },
            [bytes] { decodeThroughQt(bytes); }, [] {}};
}

Pairing encode(Bench &bench)
{
    return {
        bench.text.size(), [] {},
        [&bench] { bench.require(!text::encodeText(bench.text).startsWith('\xEF'), "encoded"); },
        [&bench] { encodeThroughQt(bench.text); }, [] {}};
}

Pairing quote(Bench &bench)
{
    encodeAndWrite(bench.baselineFile, bench.text);
    return {bench.text.size(), [&bench] { QGuiApplication::clipboard()->setText(bench.text); },
            [&bench] { bench.form.Command20_Click(); },
            [&bench] {
                encodeAndWrite(bench.baselineFile, bench.text);
                readAndDecode(bench.baselineFile);
            },
            [&bench] { bench.requireMessage(u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞのﾃｷｽﾄに引用符が付きました"_s); }};
}

Pairing takeIn(Bench &bench, const QByteArray &bytes)
{
    const QString file = bench.program.dataPath(u"post.txt"_s);
    writeBytes(file, bytes);
    return {bench.text.size(),
            [&bench, file] {
                bench.form.form2().Text1.clear();
                QGuiApplication::clipboard()->clear();
                bench.program.openDialog.answers = {file};
            },
            [&bench] { bench.form.Command34_Click(); }, [file] { readAndDecodeForeign(file); },
            [&bench] {
                bench.requireMessage(
                    u"ｸﾘｯﾌﾟﾎﾞｰﾄﾞにﾃｷｽﾄがあります。\r\nﾍﾟｰｽﾄしてお使いください。"_s);
            }};
}

QByteArray utf16WithBom(const QString &text)
{
    QByteArray bytes("\xFF\xFE");
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

Pairing saveComment(Bench &bench)
{
    Pairing pairing = savePairing(bench, [&bench] { bench.form.Command7_Click(); });
    pairing.verify = [&bench] { bench.requireMessage(u"Commentが保存されました。"_s); };
    return pairing;
}

Pairing reloadComment(Bench &bench)
{
    for (int field = 1; field <= 6; ++field)
        bench.program.writeData(u"%1.txt"_s.arg(field), "field\r\n");
    encodeAndWrite(bench.program.dataPath(u"7.txt"_s), bench.text);
    encodeAndWrite(bench.baselineFile, bench.text);
    return loadPairing(bench, [&bench] { bench.form.Command8_Click(); });
}

Pairing saveSlot(Bench &bench)
{
    Pairing pairing = savePairing(bench, [&bench] {
        store::SnapshotSlots(bench.program.services, bench.form.dataFolder(),
                             bench.form.fieldBoxes())
            .save(1);
    });
    pairing.prepare = [&bench] { bench.program.dialogs.confirmations = {true}; };
    pairing.verify = [&bench] {
        bench.require(QFileInfo(bench.program.dataPath(u"save1.txt"_s)).size() > bench.text.size(),
                      "save1.txt written");
    };
    return pairing;
}

Pairing loadSlot(Bench &bench)
{
    encodeAndWrite(bench.program.dataPath(u"save1.txt"_s),
                   u"name\r\nmail\r\nid\r\npass\r\nhome\r\ntitle\r\n"_s + bench.text);
    encodeAndWrite(bench.baselineFile, bench.text);
    return loadPairing(bench, [&bench] { bench.form.Command35_Click(); });
}

// The preview writes the Comment twice: as check.txt and, with its breaks marked, as check.html.
Pairing preview(Bench &bench)
{
    Pairing pairing = savePairing(bench, [&bench] { bench.form.Command27_Click(); });
    pairing.prepare = [&bench] { bench.form.form2().Text1.clear(); };
    pairing.baseline = [&bench] {
        encodeAndWrite(bench.baselineFile, bench.text);
        encodeAndWrite(bench.baselineFile, bench.text);
    };
    pairing.verify = [&bench] {
        bench.require(QFileInfo(bench.program.dataPath(u"check.html"_s)).size() > bench.text.size(),
                      "check.html written");
    };
    return pairing;
}

Pairing exportComment(Bench &bench)
{
    Pairing pairing = savePairing(bench, [&bench] { bench.form.Command32_Click(); });
    pairing.prepare = [&bench] { bench.program.dialogs.answers = {u"bench"_s}; };
    pairing.verify = [&bench] { bench.requireMessage(u"Commentがﾃﾞｽｸﾄｯﾌﾟに出力されました"_s); };
    return pairing;
}

struct PathCase
{
    const char *name;
    std::function<Pairing(Bench &)> pair;
};

const QList<PathCase> &pathCases()
{
    static const QList<PathCase> cases{
        {"decode", decode},
        {"encode", encode},
        {"quote", quote},
        {"filein-windows31j",
         [](Bench &bench) { return takeIn(bench, text::encodeText(bench.text)); }},
        {"filein-utf8", [](Bench &bench) { return takeIn(bench, bench.text.toUtf8()); }},
        {"filein-utf16", [](Bench &bench) { return takeIn(bench, utf16WithBom(bench.text)); }},
        {"save-comment", saveComment},
        {"reload", reloadComment},
        {"slot-save", saveSlot},
        {"slot-load", loadSlot},
        {"ie", preview},
        {"oput", exportComment},
    };
    return cases;
}

} // namespace

QStringList pathCaseNames()
{
    QStringList names;
    for (const PathCase &pathCase : pathCases())
        names.append(QString::fromLatin1(pathCase.name));
    return names;
}

bool runPathCase(const QString &name, qsizetype megabytes)
{
    for (const PathCase &pathCase : pathCases()) {
        if (name != QLatin1String(pathCase.name))
            continue;
        Bench bench(megabytes);
        runPaired(name, megabytes, pathCase.pair(bench));
        return true;
    }
    return false;
}
