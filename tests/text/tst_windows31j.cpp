#include "text/windows31j.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <functional>
#include <optional>

// The converters the codec is held up against: glibc's, which its tables come from, where there
// is one; Windows' own on Windows; ICU's wherever Qt has it.
#if __has_include(<iconv.h>) && !defined(Q_OS_WIN)
#include <iconv.h>
#define QUILLO_TEST_ICONV
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::StringLiterals;
using text::decodeWindows31j;
using text::encodeWindows31j;

namespace {

using Bytes = std::optional<QByteArray>;

bool isLead(int byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool isTrail(int byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

QByteArray bytesOf(int first) { return QByteArray(1, char(first)); }
QByteArray bytesOf(int first, int second) { return bytesOf(first) + bytesOf(second); }

// How two bytes are read: as one character when they are a lead byte and a trail byte, else each
// on its own, a lead byte alone being a broken character.
QList<QByteArray> piecesOf(int first, int second)
{
    if (isLead(first) && isTrail(second))
        return {bytesOf(first, second)};
    return {bytesOf(first), bytesOf(second)};
}

// Another converter of the code page, and the places where it knowingly differs from the codec.
struct Reference
{
    QString name;
    // One piece: its character, or U+FFFD when it is none.
    std::function<QString(QByteArrayView)> decodePiece;
    // Any bytes, read as the converter reads them; by default piece by piece.
    std::function<QString(QByteArrayView)> decode;
    // The bytes of one character, or nothing when the converter does not hold it exactly.
    std::function<Bytes(char16_t)> encode;
    QHash<QByteArray, QString> decodedOtherwise;
    QHash<char16_t, Bytes> encodedOtherwise;
};

QString hex(const QByteArray &bytes) { return QString::fromLatin1(bytes.toHex(' ')); }
QString hex(QStringView text)
{
    QStringList units;
    for (const QChar unit : text)
        units << u"U+%1"_s.arg(unit.unicode(), 4, 16, QChar(u'0')).toUpper();
    return units.join(u' ');
}
QString hexOrNothing(const Bytes &bytes) { return bytes ? hex(*bytes) : u"nothing"_s; }
QString hex(char16_t character) { return hex(QStringView(&character, 1)); }

// Every single byte and every two bytes decoded, every character of the Basic Multilingual Plane
// encoded: the differences from what the reference should give.
QStringList differences(const Reference &reference)
{
    QStringList found;
    // Two bytes as the codec reads them, piece by piece, where the reference reads a piece
    // otherwise when it is one of its known differences.
    const auto piecewise = [&](int first, int second, const QHash<QByteArray, QString> &otherwise) {
        QString text;
        for (const QByteArray &piece : piecesOf(first, second))
            text += otherwise.value(piece, decodeWindows31j(piece));
        return text;
    };
    for (int first = 0; first <= 0xFF; ++first) {
        const QString ours = decodeWindows31j(bytesOf(first));
        const QString theirs = reference.decodePiece(bytesOf(first));
        if (theirs != reference.decodedOtherwise.value(bytesOf(first), ours))
            found << u"%1: %2, %3 %4"_s.arg(hex(bytesOf(first)), hex(ours), reference.name,
                                            hex(theirs));
        for (int second = 0; second <= 0xFF; ++second) {
            const QByteArray both = bytesOf(first, second);
            const QString oursOfBoth = decodeWindows31j(both);
            const QString theirsOfBoth = reference.decode(both);
            if (oursOfBoth != piecewise(first, second, {})
                || theirsOfBoth != piecewise(first, second, reference.decodedOtherwise))
                found << u"%1: %2, %3 %4"_s.arg(hex(both), hex(oursOfBoth), reference.name,
                                                hex(theirsOfBoth));
        }
    }
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const auto character = char16_t(unit);
        const Bytes ours = encodeWindows31j(QStringView(&character, 1));
        if (QChar::isSurrogate(character)) {
            if (ours)
                found << u"lone %1: %2"_s.arg(hex(character), hexOrNothing(ours));
            continue;
        }
        const Bytes theirs = reference.encode(character);
        if (theirs != reference.encodedOtherwise.value(character, ours))
            found << u"%1: %2, %3 %4"_s.arg(hex(character), hexOrNothing(ours), reference.name,
                                            hexOrNothing(theirs));
    }
    return found;
}

// What the codec writes, shown so that a failure tells.
QByteArray encoded(QStringView text) { return encodeWindows31j(text).value_or("(not held)"); }

QString decodedByPieces(const Reference &reference, QByteArrayView bytes)
{
    QString text;
    for (const QByteArray &piece : piecesOf(uchar(bytes[0]), uchar(bytes[1])))
        text += reference.decodePiece(piece);
    return text;
}

// A character counts as held only when its bytes read back as that character: a best fit does not.
Bytes heldExactly(char16_t character, const QByteArray &bytes, const Reference &reference)
{
    if (bytes.isEmpty() || reference.decodePiece(bytes) != QStringView(&character, 1))
        return std::nullopt;
    return bytes;
}

#ifdef QUILLO_TEST_ICONV
QByteArray iconvConvert(iconv_t converter, QByteArrayView input, bool &ok)
{
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    QByteArray in = input.toByteArray();
    char out[16];
    char *inAt = in.data();
    char *outAt = out;
    std::size_t inLeft = std::size_t(in.size());
    std::size_t outLeft = sizeof out;
    ok = iconv(converter, &inAt, &inLeft, &outAt, &outLeft) != std::size_t(-1)
         && iconv(converter, nullptr, nullptr, &outAt, &outLeft) != std::size_t(-1);
    return QByteArray(out, outAt - out);
}
#endif

} // namespace

class Windows31jTest : public QObject
{
    Q_OBJECT

private slots:
    void sameAsOtherConverters();
    void edgeCases();
};

void Windows31jTest::sameAsOtherConverters()
{
    int compared = 0;
#ifdef QUILLO_TEST_ICONV
    {
        const iconv_t decoder = iconv_open("UTF-16LE", "CP932");
        const iconv_t encoder = iconv_open("CP932", "UTF-16LE");
        QVERIFY(decoder != iconv_t(-1) && encoder != iconv_t(-1));
        Reference glibc{u"glibc"_s, {}, {}, {}, {}, {}};
        // An invalid sequence (EILSEQ) and a cut-off one (EINVAL) are both no character.
        glibc.decodePiece = [&](QByteArrayView piece) {
            bool ok = false;
            const QByteArray units = iconvConvert(decoder, piece, ok);
            return ok ? QStringDecoder(QStringConverter::Utf16LE).decode(units) : u"\uFFFD"_s;
        };
        // glibc has no rule for where reading goes on after an error; it must at least agree
        // that a lead byte and a byte that is no trail byte are no character together.
        glibc.decode = [&](QByteArrayView bytes) {
            bool ok = false;
            if (isLead(uchar(bytes[0])) && !isTrail(uchar(bytes[1])))
                iconvConvert(decoder, bytes, ok);
            return ok ? u"(decoded)"_s : decodedByPieces(glibc, bytes);
        };
        glibc.encode = [&](char16_t character) -> Bytes {
            bool ok = false;
            const char units[] = {char(character & 0xFF), char(character >> 8)};
            const QByteArray bytes = iconvConvert(encoder, QByteArrayView(units, 2), ok);
            return ok ? heldExactly(character, bytes, glibc) : std::nullopt;
        };
        const QStringList found = differences(glibc);
        iconv_close(decoder);
        iconv_close(encoder);
        QVERIFY2(found.isEmpty(), qPrintable(found.mid(0, 20).join(u'\n')));
        ++compared;
    }
#endif
#ifdef Q_OS_WIN
    {
        Reference windows{u"Windows"_s, {}, {}, {}, {}, {}};
        windows.decodePiece = [](QByteArrayView piece) {
            wchar_t units[4];
            const int count = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, piece.data(),
                                                  int(piece.size()), units, 4);
            return count > 0 ? QString::fromWCharArray(units, count) : u"\uFFFD"_s;
        };
        windows.decode = [&](QByteArrayView bytes) { return decodedByPieces(windows, bytes); };
        windows.encode = [&](char16_t character) -> Bytes {
            const auto unit = wchar_t(character);
            char bytes[4];
            BOOL usedDefault = FALSE;
            const int count = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &unit, 1, bytes, 4,
                                                  nullptr, &usedDefault);
            if (count <= 0 || usedDefault)
                return std::nullopt;
            return heldExactly(character, QByteArray(bytes, count), windows);
        };
        // Windows reads the five bytes that start no character as characters of their own: the
        // codec, like glibc and the code page's published table, leaves them undefined.
        windows.decodedOtherwise = {{"\x80", u"\u0080"_s},
                                    {"\xA0", u"\uF8F0"_s},
                                    {"\xFD", u"\uF8F1"_s},
                                    {"\xFE", u"\uF8F2"_s},
                                    {"\xFF", u"\uF8F3"_s}};
        windows.encodedOtherwise = {{u'\u0080', "\x80"},
                                    {u'\uF8F0', "\xA0"},
                                    {u'\uF8F1', "\xFD"},
                                    {u'\uF8F2', "\xFE"},
                                    {u'\uF8F3', "\xFF"}};
        // Wine's table of the code page has 0x80 but not the four others, which it leaves
        // undefined as the codec does.
        const bool underWine =
            GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
        if (underWine) {
            for (const char *byte : {"\xA0", "\xFD", "\xFE", "\xFF"})
                windows.decodedOtherwise.remove(byte);
            for (const char16_t character : {u'\uF8F0', u'\uF8F1', u'\uF8F2', u'\uF8F3'})
                windows.encodedOtherwise.remove(character);
        }
        const QStringList found = differences(windows);
        QVERIFY2(found.isEmpty(), qPrintable(found.mid(0, 20).join(u'\n')));
        ++compared;
    }
#endif
    if (QStringDecoder("windows-31j").isValid()) {
        QStringDecoder decoder("windows-31j");
        Reference icu{u"ICU"_s, {}, {}, {}, {}, {}};
        // A NUL after the bytes makes ICU give up a lead byte left pending at their end.
        icu.decode = [&](QByteArrayView bytes) {
            decoder.resetState();
            const QString text = decoder.decode(bytes);
            return text + QString(decoder.decode(QByteArrayView("", 1))).chopped(1);
        };
        icu.decodePiece = icu.decode;
        icu.encode = [&](char16_t character) -> Bytes {
            // A fresh encoder each time: resetting one does not clear its error.
            QStringEncoder encoder("windows-31j");
            const QByteArray bytes = encoder.encode(QStringView(&character, 1));
            return encoder.hasError() ? std::nullopt : heldExactly(character, bytes, icu);
        };
        // ICU's windows-31j is IBM's code page 943, which swaps three control codes; and it
        // gives U+001A, not U+FFFD, for a byte that starts no character.
        icu.decodedOtherwise = {
            {"\x1A", u"\u001C"_s}, {"\x1C", u"\u007F"_s}, {"\x7F", u"\u001A"_s}};
        icu.encodedOtherwise = {{u'\u001A', "\x7F"}, {u'\u001C', "\x1A"}, {u'\u007F', "\x1C"}};
        for (const int byte : {0x80, 0xA0, 0xFD, 0xFE, 0xFF})
            icu.decodedOtherwise.insert(bytesOf(byte), u"\u001A"_s);
        for (int byte = 0; byte <= 0xFF; ++byte) {
            if (isLead(byte))
                icu.decodedOtherwise.insert(bytesOf(byte), u"\u001A"_s);
        }
        const QStringList found = differences(icu);
        QVERIFY2(found.isEmpty(), qPrintable(found.mid(0, 20).join(u'\n')));
        ++compared;
    }
    if (compared == 0)
        QSKIP("no other converter of Windows-31J on this system");
}

void Windows31jTest::edgeCases()
{
    // A lead byte cut off by the end, or followed by no trail byte, is one replacement character;
    // a pair the code page leaves undefined is one too.
    QCOMPARE(decodeWindows31j("\x82"), u"\uFFFD"_s);
    QCOMPARE(decodeWindows31j("a\x82"), u"a\uFFFD"_s);
    QCOMPARE(decodeWindows31j("\x81\x20"), u"\uFFFD "_s);
    QCOMPARE(decodeWindows31j("\x81\x7F\x81"), u"\uFFFD\u007F\uFFFD"_s);
    QCOMPARE(decodeWindows31j("\x81\x81\x40"), u"＝@"_s);
    QCOMPARE(decodeWindows31j("\x85\x40"), u"\uFFFD"_s);
    QCOMPARE(decodeWindows31j("\xFF\x80\xA0"), u"\uFFFD\uFFFD\uFFFD"_s);
    QCOMPARE(decodeWindows31j(QByteArrayView("\x81\x00", 2)), u"\uFFFD"_s + QChar(u'\0'));
    QCOMPARE(decodeWindows31j({}), QString());

    const QByteArray mixed("Re: \x93\x8a\x8d\x65 \xb1\xc0\xde\r\n\x87\x40\x81\x60\\~\x1a");
    const QString text = u"Re: 投稿 ｱﾀﾞ\r\n①～\\~\u001A"_s;
    QCOMPARE(decodeWindows31j(mixed), text);
    QCOMPARE(encoded(text), mixed);
    QCOMPARE(encoded(u""), QByteArray());

    // ASCII is read in runs of eight bytes: a pair, a single kana and a lead byte cut off by the
    // end read the same wherever a run leaves off.
    for (int ascii = 0; ascii <= 17; ++ascii) {
        const QByteArray run(ascii, 'a');
        QCOMPARE(decodeWindows31j(run + "\x93\x8a" + run + "\xb1" + run + "\x82"),
                 QString(run + u"投"_s + run + u"ｱ"_s + run + u"\uFFFD"_s));
    }

    // Among duplicate codes, the one Windows writes.
    QCOMPARE(encoded(u"\u2252\u2235\uFFE2"), QByteArray("\x81\xE0\x81\xE6\x81\xCA"));
    QCOMPARE(encoded(u"\u2170\u2160\uFFE4"), QByteArray("\xFA\x40\x87\x54\xFA\x55"));
    QCOMPARE(decodeWindows31j("\xED\x40"), u"\u7E8A"_s);
    QCOMPARE(encoded(u"\u7E8A"), QByteArray("\xFA\x5C"));

    // Best fits and characters beyond the code page.
    QVERIFY(!encodeWindows31j(u"10\u301C20"));
    QVERIFY(!encodeWindows31j(u"\u00A5"));
    QVERIFY(!encodeWindows31j(u"投稿😀"));
    QVERIFY(!encodeWindows31j(u"\uFFFD"));
    const char16_t loneHigh[] = {u'a', 0xD83D};
    const char16_t loneLow[] = {0xDE00, u'a'};
    QVERIFY(!encodeWindows31j(QStringView(loneHigh, 2)));
    QVERIFY(!encodeWindows31j(QStringView(loneLow, 2)));
}

QTEST_APPLESS_MAIN(Windows31jTest)
#include "tst_windows31j.moc"
