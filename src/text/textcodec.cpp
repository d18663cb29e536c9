#include "text/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <optional>

namespace text {

namespace {

// ICU's name for the Windows table: U+FF5E is 0x81 0x60 and the NEC and IBM extensions are kept.
constexpr const char *windows31j = "windows-31j";
constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");
constexpr QByteArrayView utf16LeBom("\xFF\xFE");
constexpr QByteArrayView utf16BeBom("\xFE\xFF");

// Large files are decoded a chunk at a time: the decoder sizes its output for the worst case of
// its whole input, which for a whole file would be several copies of the text at once.
constexpr qsizetype chunkSize = 1024 * 1024;

template <typename OnChunk> void decodeWindows31jChunks(QByteArrayView bytes, OnChunk &&onChunk)
{
    QStringDecoder decoder(windows31j);
    for (qsizetype at = 0; at < bytes.size(); at += chunkSize)
        onChunk(decoder.decode(bytes.sliced(at, std::min(chunkSize, bytes.size() - at))));
    // A lead byte left at the very end is a character cut off: a NUL after it makes the decoder
    // give it up as a replacement character instead of dropping it, and the NUL goes again.
    if (const QString end = QString(decoder.decode(QByteArrayView("", 1))).chopped(1);
        !end.isEmpty())
        onChunk(end);
}

QString decodeWindows31j(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size()); // a character takes one byte at least
    decodeWindows31jChunks(bytes, [&text](const QString &chunk) { text += chunk; });
    text.squeeze();
    return text;
}

// Whether the bytes decode to exactly the text, compared chunk by chunk without a decoded copy.
bool decodesTo(QByteArrayView bytes, QStringView text)
{
    qsizetype at = 0;
    bool same = true;
    decodeWindows31jChunks(bytes, [&](const QString &chunk) {
        same = same && text.sliced(at).startsWith(chunk);
        at += chunk.size();
    });
    return same && at == text.size();
}

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

} // namespace

QByteArray encodeText(QStringView text)
{
    QStringEncoder encoder(windows31j);
    QByteArray bytes = encoder.encode(text);
    // The decode check also catches best-fit mappings (U+301C to 0x81 0x60, for one) that the
    // encoder does not count as errors but that would come back as another character.
    if (!encoder.hasError() && decodesTo(bytes, text))
        return bytes;
    return utf8Bom.toByteArray() + text.toUtf8();
}

QString decodeText(QByteArrayView bytes)
{
    // Only the first mark is the file's: a text that begins with U+FEFF keeps it.
    if (bytes.startsWith(utf8Bom))
        return decodeAfterBom(QStringConverter::Utf8, bytes, utf8Bom);
    return decodeWindows31j(bytes);
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
    // Stateless: a sequence cut off at the end of the file is an error, not a pending character.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    return decodeWindows31j(bytes);
}

} // namespace text
