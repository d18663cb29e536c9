#include "post/formbytes.h"

#include "text/windows31jtables.h"

namespace post {

ShiftJisCode shiftJisCode(char32_t c)
{
    if (c <= 0x80)
        return {1, std::uint16_t(c)};
    if (c == 0xA5)
        return {1, 0x5C};
    if (c == 0x203E)
        return {1, 0x7E};
    if (c >= 0xFF61 && c <= 0xFF9F)
        return {1, std::uint16_t(c - 0xFF61 + 0xA1)};
    if (c == 0x2212)
        c = 0xFF0D;
    if (c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    // Windows-31J's choice among repeated codes is the encoder's (the first code outside the NEC
    // selection of the IBM extensions); the user-defined area is Windows-31J's alone.
    const auto *page = text::windows31jtables::encodePages[c >> 8];
    const std::uint16_t code = page ? (*page)[c & 0xFF] : 0;
    if (code == 0 || (code >> 8 >= 0xF0 && code >> 8 <= 0xF9))
        return {0, 0};
    return {code < 0x100 ? 1 : 2, code};
}

QByteArray bytesOf(const SentCharacter &character)
{
    if (character.reference)
        return "&#" + QByteArray::number(quint32(character.character)) + ';';
    if (character.size == 1)
        return QByteArray(1, char(character.code));
    const char pair[] = {char(character.code >> 8), char(character.code & 0xFF)};
    return QByteArray(pair, 2);
}

QByteArray sentBytes(QStringView text)
{
    QByteArray bytes;
    forEachSent(text, [&](const SentCharacter &character) { bytes += bytesOf(character); });
    return bytes;
}

} // namespace post
