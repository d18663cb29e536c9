#include "text/linereader.h"
#include "text/textcodec.h"
#include "text/windows31j.h"

#include <QTest>

using namespace Qt::StringLiterals;
using text::decodeText;
using text::encodeText;
using text::splitLines;

class TextCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void windows31jBytes_data();
    void windows31jBytes();
    void textOutsideWindows31jBecomesUtf8WithBom_data();
    void textOutsideWindows31jBecomesUtf8WithBom();
    void decodingNeverFails();
    void utf8WithoutBomFromOtherEditors();
    void bytesOfBothEncodings_data();
    void bytesOfBothEncodings();
    void lineRule();
};

void TextCodecTest::windows31jBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << u"a\r\nb"_s << QByteArray("a\r\nb");
    QTest::newRow("hiragana") << u"あい"_s << QByteArray("\x82\xa0\x82\xa2");
    QTest::newRow("half-width katakana") << u"ｱﾀﾞ｡"_s << QByteArray("\xb1\xc0\xde\xa1");
    QTest::newRow("wave dash of Windows") << u"\uFF5E"_s << QByteArray("\x81\x60");
    QTest::newRow("NEC extensions") << u"①㈱ⅠⅦ"_s << QByteArray("\x87\x40\x87\x8a\x87\x54\x87\x5a");
    QTest::newRow("backslash and tilde") << u"\\~"_s << QByteArray("\\~");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TextCodecTest::windows31jBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeText(text), bytes);
    QCOMPARE(decodeText(bytes), text);
}

void TextCodecTest::textOutsideWindows31jBecomesUtf8WithBom_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << u"投稿😀"_s;
    QTest::newRow("yoshi") << u"𠮷野家"_s;
    QTest::newRow("wave dash of Linux") << u"10\u301C20"_s;
    QTest::newRow("yen sign") << u"\u00A5100"_s;
    QTest::newRow("minus sign") << u"\u22121"_s;
    // A zero-width no-break space at the start, pasted from a web page: kept, not taken for a
    // second byte-order mark.
    QTest::newRow("leading U+FEFF") << u"\uFEFFRe: 投稿"_s;
    QTest::newRow("only U+FEFF") << u"\uFEFF"_s;
}

void TextCodecTest::textOutsideWindows31jBecomesUtf8WithBom()
{
    QFETCH(QString, text);
    const QByteArray bytes = encodeText(text);
    QCOMPARE(bytes, QByteArray("\xEF\xBB\xBF") + text.toUtf8());
    QCOMPARE(decodeText(bytes), text);
}

void TextCodecTest::decodingNeverFails()
{
    // Bytes that are not Windows-31J still give text, never a crash.
    QVERIFY(!decodeText(QByteArray("\x81\x20\xff\x80", 4)).isEmpty());
    QCOMPARE(decodeText(QByteArray("\xEF\xBB\xBF")), QString());
}

// Bytes that are UTF-8 and not Windows-31J are read as UTF-8, and the other way round.
void TextCodecTest::utf8WithoutBomFromOtherEditors()
{
    QCOMPARE(decodeText(u"日本語\r\n"_s.toUtf8()), u"日本語\r\n"_s);
    QCOMPARE(decodeText(u"(´Д｀)"_s.toUtf8()), u"(´Д｀)"_s);
    // Not UTF-8 after all: a sequence cut off by the end, an overlong form, a surrogate.
    QCOMPARE(decodeText(QByteArray("\x82\xa0\xe6\x97")), u"あ譌"_s);
    QCOMPARE(decodeText(QByteArray("\xC0\xAF")), u"ﾀｯ"_s);
    QCOMPARE(decodeText(QByteArray("\xED\xA0\x80")), u"\u605D\uFFFD"_s);
}

// Bytes well-formed both ways, the hard cases quillo-encoding-check finds on real text: what the
// old program wrote reads back as Windows-31J and Save writes it so again; what other editors
// saved reads as UTF-8.
void TextCodecTest::bytesOfBothEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isUtf8");
    const auto row = [](const char *name, const char *bytes, const QString &text, bool isUtf8) {
        QTest::newRow(name) << QByteArray(bytes) << text << isUtf8;
    };
    row("two-kana handle, not л", "\xD0\xBB", u"ﾐｻ"_s, false);
    row("not a lone accent", "\xC3\xA1", u"ﾃ｡"_s, false);
    row("four-kana handle, not ±±", "\xC2\xB1\xC2\xB1", u"ﾂｱﾂｱ"_s, false);
    row("handle, not Ρ with a cedilla", "\xCE\xA1\xCC\xA7", u"ﾎ｡ﾌｧ"_s, false);
    row("title", "\xC3\xBD\xC4\x82\xCC\x91\xE8\x96\xBC", u"ﾃｽﾄの題名"_s, false);
    row("kana before a particle", "\xC3\xBD\xC4\x82\xCD\x81\x41", u"ﾃｽﾄは、"_s, false);
    row("kana before capitals", "\xC4\x81\x41SYSLIN", u"ﾄ、SYSLIN"_s, false);
    row("kana after a word", "ree\xCC\xAB", u"reeﾌｫ"_s, false);
    row("accented word", "caf\xC3\xA9", u"café"_s, true);
    row("two-letter word", "n\xC3\xA9", u"né"_s, true);
    row("capital accent", "\xC3\x81lvaro", u"Álvaro"_s, true);
    row("German", "\xC3\x96l und \xC3\xBC", u"Öl und ü"_s, true);
    row("Portuguese", "Ele \xC3\xA9 bom", u"Ele é bom"_s, true);
    row("Greek word", "\xCE\xB5\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC",
        u"ελληνικά"_s, true);
    row("Cyrillic word", "\xD0\x92\xD1\x96\xD1\x82\xD0\xB0", u"Віта"_s, true);
    row("Greek letter in Japanese", "\xE3\x81\xAF\xCE\xB2", u"はβ"_s, true);
    row("long vowel mark", "\xE3\x82\xB6\xE3\x83\xBC\xE3\x81\xAE", u"ザーの"_s, true);
    row("degree sign", "15\xC2\xB0", u"15°"_s, true);
    row("emoticon", "(\xE3\x83\x8E\xD0\x94`)", u"(ノД`)"_s, true);
}

void TextCodecTest::bytesOfBothEncodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, isUtf8);
    QVERIFY(text::isWindows31j(bytes));
    QCOMPARE(QString::fromUtf8(bytes).toUtf8(), bytes);
    QCOMPARE(decodeText(bytes), text);
    if (!isUtf8)
        QCOMPARE(encodeText(text), bytes);
}

void TextCodecTest::lineRule()
{
    QCOMPARE(splitLines(u""), QStringList());
    QCOMPARE(splitLines(u"a"), QStringList({"a"}));
    QCOMPARE(splitLines(u"a\r\n"), QStringList({"a"}));
    QCOMPARE(splitLines(u"a\r\n\r\n"), QStringList({"a", ""}));
    QCOMPARE(splitLines(u"\r\n"), QStringList({""}));
    QCOMPARE(splitLines(u"a\rb\r\nc"), QStringList({"a", "b", "c"}));
    QCOMPARE(splitLines(u"a\nb\r\n"), QStringList({"a\nb"}));
    QCOMPARE(splitLines(u"a\r\r\nb"), QStringList({"a", "", "b"}));
    QCOMPARE(splitLines(u"\n"), QStringList({"\n"}));
}

QTEST_GUILESS_MAIN(TextCodecTest)
#include "tst_textcodec.moc"
