#include "platform/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {

// ICU's name for the Windows table: U+FF5E is 0x81 0x60 and the NEC and IBM extensions are kept.
constexpr const char *windows31j = "windows-31j";
constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");
constexpr QByteArrayView utf16LeBom("\xFF\xFE");
constexpr QByteArrayView utf16BeBom("\xFE\xFF");

QString decodeWindows31j(QByteArrayView bytes)
{
    QStringDecoder decoder(windows31j);
    return decoder.decode(bytes);
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
    if (!encoder.hasError() && decodeWindows31j(bytes) == text)
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
    // Stateless: a sequence cut off at the end of the file is an error, not a pending character.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    return decodeWindows31j(bytes);
}

} // namespace platform
