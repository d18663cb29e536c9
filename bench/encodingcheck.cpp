// quillo-encoding-check: how often the codec's reading rule takes a Data file for the other
// encoding, measured on the real text that encoding-corpus.sh gathers (see README.md here).
//
// One direction: text as the old Windows program and Quillo write it, in Windows-31J, with
// katakana made half-width at random as posters write, cut to the lengths of fields, and the
// half-width kana handles posters go by. The other: the same Japanese, Latin, Greek and Cyrillic
// words and emoticons as other editors save them, in UTF-8 without a mark. Each text counts as
// read wrongly when decodeText gives back anything else. For the first direction the report also
// counts the texts that Save writes as UTF-8 with a mark although Windows-31J holds them.
//
// usage: quillo-encoding-check CORPUS [--pieces=N] [--show=N]

#include "text/textcodec.h"
#include "text/windows31j.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <QTextStream>

#include <functional>
#include <random>

using namespace Qt::Literals::StringLiterals;

namespace {

QTextStream out(stdout);

QStringList linesOf(const QString &folder, const QString &name)
{
    QFile file(folder + u'/' + name);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "Cannot read " << file.fileName()
                            << ": run bench/encoding-corpus.sh first.\n";
        std::exit(2);
    }
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// Full-width katakana to half-width, as an input method's half-width mode gives them: voiced
// and semi-voiced ones become two characters. Built from NFKC, which maps the other way.
class HalfWidth
{
public:
    HalfWidth()
    {
        for (char16_t half = 0xFF66; half <= 0xFF9D; ++half) {
            const QString full = QString(QChar(half)).normalized(QString::NormalizationForm_KC);
            map_.insert(full[0], QString(QChar(half)));
            for (const auto &[mark, halfMark] :
                 {std::pair{u'\u3099', u'\uFF9E'}, std::pair{u'\u309A', u'\uFF9F'}}) {
                const QString marked =
                    (full + QChar(mark)).normalized(QString::NormalizationForm_C);
                if (marked.size() == 1)
                    map_.insert(marked[0], QString(QChar(half)) + QChar(halfMark));
            }
        }
    }

    // Katakana, and hiragana taken as katakana, all made half-width; nothing when a character
    // has no half-width form.
    std::optional<QString> allOf(const QString &word) const
    {
        QString result;
        for (QChar c : word) {
            if (c.unicode() >= 0x3041 && c.unicode() <= 0x3096)
                c = QChar(c.unicode() + 0x60);
            const auto found = map_.constFind(c);
            if (found == map_.constEnd())
                return std::nullopt;
            result += *found;
        }
        return result;
    }

    // Each run of katakana made half-width or left as it is, by turns of a coin.
    QString someOf(const QString &text, std::mt19937 &random) const
    {
        QString result;
        bool half = false;
        bool inRun = false;
        for (const QChar c : text) {
            const auto found = map_.constFind(c);
            if (found == map_.constEnd()) {
                inRun = false;
                result += c;
                continue;
            }
            if (!inRun)
                half = random() % 2 == 0;
            inRun = true;
            result += half ? *found : QString(c);
        }
        return result;
    }

private:
    QHash<QChar, QString> map_;
};

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool isWindows31j(const QByteArray &bytes)
{
    return !text::decodeWindows31j(bytes).contains(QChar::ReplacementCharacter);
}

bool hasNonAscii(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x80; });
}

struct Tally
{
    explicit Tally(QString name)
        : name(std::move(name))
    {}

    QString name;
    long texts = 0;
    long bothWays = 0;  // bytes well-formed in both encodings: the ones the rule must judge
    long wrong = 0;     // read back as another text
    long longWords = 0; // of those, single words of three letters or more
    long savedAsUtf8 = 0;
    QStringList examples;
};

int shown = 10;

void report(const Tally &tally, bool windows31j)
{
    const auto per100k = [&](long n) {
        return QString::number(tally.texts ? 100000.0 * double(n) / double(tally.texts) : 0.0, 'f',
                               2);
    };
    out << "| " << tally.name << " | " << tally.texts << " | " << tally.bothWays << " | "
        << tally.wrong << " | " << per100k(tally.wrong) << " | "
        << (windows31j
                ? QString::number(tally.savedAsUtf8) + " (" + per100k(tally.savedAsUtf8) + ")"
                : QString::number(tally.longWords))
        << " |\n";
    for (const QString &example : tally.examples)
        out << "|   read as 「"
            << text::decodeText(windows31j ? *text::encodeWindows31j(example) : example.toUtf8())
            << "」 | 「" << example << "」 | | | | |\n";
    out.flush();
}

// A text as the old program wrote it, in Windows-31J: skipped where that code page cannot hold it.
void checkWindows31j(Tally &tally, const QString &text)
{
    const std::optional<QByteArray> bytes = text::encodeWindows31j(text);
    if (!bytes || !hasNonAscii(text))
        return;
    ++tally.texts;
    if (isUtf8(*bytes))
        ++tally.bothWays;
    if (text::decodeText(*bytes) != text) {
        ++tally.wrong;
        if (tally.examples.size() < shown)
            tally.examples << text;
    }
    if (text::encodeText(text) != *bytes)
        ++tally.savedAsUtf8;
}

// A text as another editor saves it, in UTF-8 without a mark.
void checkUtf8(Tally &tally, const QString &text)
{
    if (!hasNonAscii(text))
        return;
    const QByteArray bytes = text.toUtf8();
    ++tally.texts;
    if (isWindows31j(bytes))
        ++tally.bothWays;
    if (text::decodeText(bytes) != text) {
        ++tally.wrong;
        if (text.size() >= 3
            && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }))
            ++tally.longWords;
        if (tally.examples.size() < shown)
            tally.examples << text;
    }
}

// A piece of a random line, 2 to 40 characters long, as a field holds it.
QString pieceOf(const QStringList &lines, std::mt19937 &random)
{
    const QString &line = lines[qsizetype(random() % std::size_t(lines.size()))];
    const qsizetype start = qsizetype(random() % std::size_t(line.size()));
    return line.mid(start, qsizetype(2 + random() % 39)).trimmed();
}

QStringList joined(const QStringList &words, std::mt19937 &random, long count)
{
    QStringList phrases;
    for (long i = 0; i < count; ++i) {
        QStringList phrase;
        for (std::size_t n = 2 + random() % 3; n > 0; --n)
            phrase << words[qsizetype(random() % std::size_t(words.size()))];
        phrases << phrase.join(u' ');
    }
    return phrases;
}

// Emoticons as posters paste them, in UTF-8 as other editors keep them.
const QStringList emoticons = {
    u"(´Д｀)"_s,      u"ヽ(´ー｀)ノ"_s,    u"(´・ω・｀)"_s, u"(；´Д｀)"_s, u"(゜∀゜)"_s,
    u"(＾ω＾)"_s,     u"(´∀｀)"_s,         u"(*´ω｀*)"_s,   u"m(_ _)m"_s,  u"(´；ω；｀)"_s,
    u"(ﾟДﾟ)"_s,       u"(´ー｀)y-~~"_s,    u"（・∀・）"_s,  u"(´-`)"_s,    u"ヽ(`Д´)ﾉ"_s,
    u"(￣ー￣)"_s,    u"(｀・ω・´)"_s,     u"orz"_s,        u"Σ(ﾟДﾟ)"_s,   u"(；ﾟДﾟ)"_s,
    u"(´ε｀ )"_s,     u"(^_^;)"_s,         u"＼(^o^)／"_s,  u"(●´ω｀●)"_s, u"(´Д⊂ヽ"_s,
    u"(ノД`)"_s,      u"(´・ω・)つ"_s,     u"(=ﾟωﾟ)ﾉ"_s,    u"(´∀｀*)"_s,  u"ε-(´∀｀*)"_s,
    u"(ΦωΦ)"_s,       u"(´σ_｀)"_s,        u"(・ε・)"_s,    u"(´ρ｀)"_s,   u"ʅ(´◔౪◔)ʃ"_s,
    u"¯\\_(ツ)_/¯"_s, u"(╯°□°）╯︵ ┻━┻"_s, u"(ง •̀_•́)ง"_s,   u"ᕦ(ò_óˇ)ᕤ"_s, u"(づ｡◕‿‿◕｡)づ"_s,
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    long pieces = 1000000;
    QString folder;
    for (const QString &argument : arguments) {
        if (argument.startsWith(u"--pieces="))
            pieces = argument.mid(9).toLong();
        else if (argument.startsWith(u"--show="))
            shown = argument.mid(7).toInt();
        else
            folder = argument;
    }
    if (folder.isEmpty()) {
        QTextStream(stderr) << "usage: quillo-encoding-check CORPUS [--pieces=N] [--show=N]\n";
        return 2;
    }
    const QStringList prose = linesOf(folder, u"ja-prose.txt"_s);
    const QStringList words = linesOf(folder, u"ja-words.txt"_s);
    const QStringList names = linesOf(folder, u"ja-names.txt"_s);
    const HalfWidth halfWidth;
    std::mt19937 random(20261210);

    out << "## Written in Windows-31J\n\n"
        << "| texts | number | valid both ways | read wrongly | per 100,000 | Save writes UTF-8 "
           "(per 100,000) |\n| --- | --- | --- | --- | --- | --- |\n";
    Tally handles{u"handles of 2 to 4 half-width kana from the name list"_s};
    for (const QString &name : names) {
        if (const auto handle = halfWidth.allOf(name); handle && handle->size() <= 4)
            checkWindows31j(handles, *handle);
    }
    report(handles, true);
    // Every 2-character handle, and every 4-character one whose bytes are UTF-8 too (a kana of
    // 0xC2 to 0xDF before one of 0xA1 to 0xBF, twice): no other handle of up to four is.
    Tally allHandles{u"every handle of 2 half-width kana, and of 4 whose bytes are UTF-8"_s};
    QStringList pairs;
    for (char16_t first = 0xFF61; first <= 0xFF9F; ++first) {
        for (char16_t second = 0xFF61; second <= 0xFF9F; ++second) {
            const QString pair = QString(QChar(first)) + QChar(second);
            checkWindows31j(allHandles, pair);
            if (isUtf8(*text::encodeWindows31j(pair)))
                pairs << pair;
        }
    }
    for (const QString &first : pairs) {
        for (const QString &second : pairs)
            checkWindows31j(allHandles, first + second);
    }
    report(allHandles, true);
    Tally proseW31j{u"pieces of prose, katakana half-width at random"_s};
    for (long i = 0; i < pieces; ++i)
        checkWindows31j(proseW31j, halfWidth.someOf(pieceOf(prose, random), random));
    report(proseW31j, true);
    Tally wordsW31j{u"words, katakana half-width at random"_s};
    for (const QString &word : words)
        checkWindows31j(wordsW31j, halfWidth.someOf(word, random));
    report(wordsW31j, true);

    out << "\n## Saved by other editors in UTF-8 without a mark\n\n"
        << "| texts | number | valid both ways | read wrongly | per 100,000 | words of 3 letters "
           "or "
           "more |\n| --- | --- | --- | --- | --- | --- |\n";
    const auto checkAll = [](const QString &name, const QStringList &texts) {
        Tally tally{name};
        for (const QString &text : texts)
            checkUtf8(tally, text);
        report(tally, false);
    };
    QStringList prosePieces;
    for (long i = 0; i < pieces; ++i)
        prosePieces << pieceOf(prose, random);
    checkAll(u"pieces of Japanese prose"_s, prosePieces);
    checkAll(u"Japanese words"_s, words);
    for (const QString &script : {u"latin"_s, u"greek"_s, u"cyrillic"_s}) {
        const QStringList list = linesOf(folder, script + u".txt"_s);
        checkAll(script + u" words"_s, list);
        checkAll(script + u" phrases of 2 to 4 words"_s, joined(list, random, pieces / 10));
    }
    QStringList withEmoticons;
    for (const QString &emoticon : emoticons) {
        withEmoticons << emoticon;
        for (int i = 0; i < 1000; ++i)
            withEmoticons << pieceOf(prose, random) + emoticon << emoticon + pieceOf(prose, random);
    }
    checkAll(u"emoticons, alone and beside pieces of prose"_s, withEmoticons);
    return 0;
}
