#include "platform/textcodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {

// ICU's name for the Windows table: U+FF5E is 0x81 0x60 and the NEC and IBM extensions are kept.
constexpr const char *windows31j = "windows-31j";
constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");

QString decodeWindows31j(QByteArrayView bytes)
{
    QStringDecoder decoder(windows31j);
    return decoder.decode(bytes);
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

} // namespace platform
