#include "text/textcodec.h"

#include "text/likelytext.h"
#include "text/windows31j.h"

#include <QStringDecoder>

#include <array>
#include <optional>

namespace text {

namespace {

constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");
constexpr QByteArrayView utf16LeBom("\xFF\xFE");
constexpr QByteArrayView utf16BeBom("\xFE\xFF");

// Text after its byte-order mark: a second mark is kept as the character it then is, and a
// character cut off by the end of the file becomes a replacement character, not nothing.
QString decodeAfterBom(QStringConverter::Encoding encoding, QByteArrayView bytes,
                       QByteArrayView bom)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom
                                         | QStringConverter::Flag::Stateless);
    return decoder.decode(bytes.sliced(bom.size()));
}

std::optional<QStringConverter::Encoding> utf16WithoutBom(QByteArrayView bytes)
{
    if (bytes.size() % 2 != 0 || !bytes.contains('\0'))
        return std::nullopt;
    std::array<qsizetype, 2> zeros{};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0')
            ++zeros[static_cast<std::size_t>(i % 2)];
    }
    if (zeros[0] == 0)
        return QStringConverter::Utf16LE;
    if (zeros[1] == 0)
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// Qt's UTF-16 decoder passes a surrogate without its partner through; it is no character, so it
// becomes a replacement character, as a broken UTF-8 sequence does.
QString withoutLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

// Whether the bytes are UTF-8 with at least one character beyond ASCII: well-formed sequences
// only (no overlong forms, no surrogates, nothing past U+10FFFF). It stops at the first byte
// that breaks the form, which in Windows-31J text is almost always one of the first non-ASCII
// bytes, so telling the two apart costs next to nothing; a decoder would convert the whole file
// before it could say.
bool isNonAsciiUtf8(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = in + bytes.size();
    bool nonAscii = false;
    while (in != end) {
        const unsigned char lead = *in++;
        if (lead < 0x80)
            continue;
        nonAscii = true;
        int following;
        unsigned char low = 0x80, high = 0xBF; // the range of the byte after the lead byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - in < following || *in < low || *in > high)
            return false;
        for (++in, --following; following > 0; ++in, --following) {
            if (*in < 0x80 || *in > 0xBF)
                return false;
        }
    }
    return nonAscii;
}

} // namespace

QByteArray encodeText(QStringView text)
{
    // Windows-31J bytes that form UTF-8 too ("ﾐｻ" is D0 BB, "л" in UTF-8) stay Windows-31J when
    // the reading rule gives them back as they were; the rare rest goes to UTF-8 with its mark, so
    // that every file reads back as written.
    if (std::optional<QByteArray> bytes = encodeWindows31j(text);
        bytes && (!isNonAsciiUtf8(*bytes) || !utf8IsLikelier(QString::fromUtf8(*bytes), text)))
        return *std::move(bytes);
    QByteArray bytes = utf8Bom.toByteArray();
    bytes += text.toUtf8();
    return bytes;
}

QString decodeText(QByteArrayView bytes)
{
    // Only the first mark is the file's: a text that begins with U+FEFF keeps it.
    if (bytes.startsWith(utf8Bom))
        return decodeAfterBom(QStringConverter::Utf8, bytes, utf8Bom);
    if (!isNonAsciiUtf8(bytes))
        return decodeWindows31j(bytes);
    if (!isWindows31j(bytes))
        return QString::fromUtf8(bytes);
    // Well-formed both ways: the two readings are weighed.
    QString utf8 = QString::fromUtf8(bytes);
    QString windows31j = decodeWindows31j(bytes);
    return utf8IsLikelier(utf8, windows31j) ? utf8 : windows31j;
}

QString decodeForeignText(QByteArrayView bytes)
{
    if (bytes.startsWith(utf8Bom))
        return decodeAfterBom(QStringConverter::Utf8, bytes, utf8Bom);
    if (bytes.startsWith(utf16LeBom))
        return withoutLoneSurrogates(decodeAfterBom(QStringConverter::Utf16LE, bytes, utf16LeBom));
    if (bytes.startsWith(utf16BeBom))
        return withoutLoneSurrogates(decodeAfterBom(QStringConverter::Utf16BE, bytes, utf16BeBom));
    if (const auto encoding = utf16WithoutBom(bytes))
        return withoutLoneSurrogates(decodeAfterBom(*encoding, bytes, {}));
    return decodeText(bytes);
}

} // namespace text
