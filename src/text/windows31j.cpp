#include "text/windows31j.h"

#include "text/windows31jtables.h"

#include <string_view>

namespace text {

using namespace windows31jtables;

QString decodeWindows31j(QByteArrayView bytes)
{
    // No byte gives more than one character: sized once for the most, cut to what it took.
    QString text(bytes.size(), Qt::Uninitialized);
    auto *const begin = reinterpret_cast<char16_t *>(text.data());
    char16_t *out = begin;
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = in + bytes.size();
    while (in != end) {
        const unsigned char byte = *in++;
        if (byte < 0x80) {
            *out++ = byte;
            continue;
        }
        if (const char16_t single = upperSingleBytes[byte - 0x80]; single != 0) {
            *out++ = single;
            continue;
        }
        // A lead byte. When what follows is no trail byte, or nothing, the lead byte alone is
        // the broken character, and the next byte starts whatever comes after (as in ICU).
        char16_t pair = 0;
        if (in != end && *in >= firstTrail)
            pair = doubleBytes[leadRow(byte)][*in - firstTrail];
        if (pair != 0)
            ++in;
        *out++ = pair != 0 ? pair : char16_t(QChar::ReplacementCharacter);
    }
    text.truncate(out - begin);
    text.squeeze();
    return text;
}

std::optional<QByteArray> encodeWindows31j(QStringView text)
{
    // No character takes more than two bytes: sized once for the most, cut to what it took.
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    auto *const begin = reinterpret_cast<unsigned char *>(bytes.data());
    unsigned char *out = begin;
    for (const char16_t unit : std::u16string_view(text.utf16(), std::size_t(text.size()))) {
        if (unit < 0x80) {
            *out++ = static_cast<unsigned char>(unit);
            continue;
        }
        // Surrogates sit on pages that hold nothing, so a character outside the Basic
        // Multilingual Plane, or half of one, is not held like any other character.
        const std::uint16_t code = (*encodePages[unit >> 8])[unit & 0xFF];
        if (code == 0)
            return std::nullopt;
        if (code > 0xFF)
            *out++ = static_cast<unsigned char>(code >> 8);
        *out++ = static_cast<unsigned char>(code);
    }
    bytes.truncate(out - begin);
    bytes.squeeze();
    return bytes;
}

} // namespace text
