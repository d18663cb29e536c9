#include "text/windows31j.h"

#include "text/largebuffer.h"
#include "text/windows31jtables.h"

#include <cstring>
#include <string_view>

namespace text {

using namespace windows31jtables;

namespace {

// The character a byte starts (at `in`, before `end`) and how many bytes it takes. A lead byte
// followed by no trail byte, or by nothing, is the broken character alone, and the next byte
// starts whatever comes after (as in ICU).
struct Decoded
{
    char16_t character;
    int length;
};

inline Decoded decodeAt(const unsigned char *in, const unsigned char *end)
{
    const unsigned char byte = *in;
    if (byte < 0x80)
        return {byte, 1};
    if (const char16_t single = upperSingleBytes[byte - 0x80]; single != 0)
        return {single, 1};
    const unsigned char next = in + 1 != end ? in[1] : 0;
    if (const char16_t pair =
            next >= firstTrail ? doubleBytes[leadRow(byte)][next - firstTrail] : 0;
        pair != 0)
        return {pair, 2};
    return {char16_t(QChar::ReplacementCharacter), 1};
}

inline bool eightAscii(const unsigned char *in)
{
    std::uint64_t eight;
    std::memcpy(&eight, in, sizeof eight);
    return (eight & 0x8080808080808080) == 0;
}

} // namespace

QString decodeWindows31j(QByteArrayView bytes)
{
    // One pass into a text sized for the most, a character a byte. Pages the characters do not
    // reach are never touched, so they cost no memory, and cutting the text to its size gives
    // them back where the block lies, without a copy.
    QString text(bytes.size(), Qt::Uninitialized);
    auto *const first = reinterpret_cast<char16_t *>(text.data());
    prepareToFill(first, std::size_t(bytes.size()) * sizeof(char16_t));
    char16_t *out = first;
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = in + bytes.size();
    while (in != end) {
        // Runs of ASCII (tags, addresses, line breaks) eight bytes at a time.
        while (end - in >= 8 && eightAscii(in)) {
            for (int i = 0; i < 8; ++i)
                out[i] = in[i];
            in += 8;
            out += 8;
        }
        if (in == end)
            break;
        const Decoded decoded = decodeAt(in, end);
        *out++ = decoded.character;
        in += decoded.length;
    }
    text.resize(out - first);
    text.squeeze();
    return text;
}

bool isWindows31j(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = in + bytes.size();
    while (in != end) {
        if (*in < 0x80) {
            ++in;
            continue;
        }
        const Decoded decoded = decodeAt(in, end);
        if (decoded.character == QChar::ReplacementCharacter)
            return false;
        in += decoded.length;
    }
    return true;
}

std::optional<QByteArray> encodeWindows31j(QStringView text)
{
    // No character takes more than two bytes: sized once for the most, cut to what it took.
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    auto *const begin = reinterpret_cast<unsigned char *>(bytes.data());
    prepareToFill(begin, std::size_t(bytes.size()));
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
