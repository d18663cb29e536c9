#include "text/linereader.h"
#include "text/textcodec.h"

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

// Bytes that are UTF-8 with anything beyond ASCII are read as UTF-8. Half-width kana whose
// Windows-31J bytes happen to be UTF-8 too are therefore written as UTF-8 with a mark, so that
// they read back as typed.
void TextCodecTest::utf8WithoutBomFromOtherEditors()
{
    QCOMPARE(decodeText(u"日本語\r\n"_s.toUtf8()), u"日本語\r\n"_s);
    QCOMPARE(decodeText(QByteArray("\xC3\xA1")), u"á"_s);
    QCOMPARE(encodeText(u"ﾃ｡"_s), QByteArray("\xEF\xBB\xBF") + u"ﾃ｡"_s.toUtf8());
    QCOMPARE(decodeText(encodeText(u"ﾃ｡"_s)), u"ﾃ｡"_s);
    // Not UTF-8 after all: a sequence cut off by the end, an overlong form, a surrogate.
    QCOMPARE(decodeText(QByteArray("\x82\xa0\xe6\x97")), u"あ譌"_s);
    QCOMPARE(decodeText(QByteArray("\xC0\xAF")), u"ﾀｯ"_s);
    QCOMPARE(decodeText(QByteArray("\xED\xA0\x80")), u"\u605D\uFFFD"_s);
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
