#include "platform/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <optional>

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
    QString text = decoder.decode(bytes);
    const QString end = decoder.decode(QByteArrayView("", 1));
    text += QStringView(end).chopped(1);
    return text;
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
    if (bytes.startsWith(utf8Bom))
        return QString::fromUtf8(bytes.sliced(utf8Bom.size()));
    return decodeWindows31j(bytes);
}

QString decodeForeignText(QByteArrayView bytes)
{
    if (bytes.startsWith(utf8Bom))
        return decodeAfterBom(QStringConverter::Utf8, bytes, utf8Bom);
    if (bytes.startsWith(utf16LeBom))
        return decodeAfterBom(QStringConverter::Utf16LE, bytes, utf16LeBom);
    if (bytes.startsWith(utf16BeBom))
        return decodeAfterBom(QStringConverter::Utf16BE, bytes, utf16BeBom);
    if (const auto encoding = utf16WithoutBom(bytes))
        return decodeAfterBom(*encoding, bytes, {});
    // Stateless: a sequence cut off at the end of the file is an error, not a pending character.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    return decodeWindows31j(bytes);
}

} // namespace platform
