#include "post/formbytes.h"

#include "text/windows31jtables.h"

#include <cstdint>

namespace post {

namespace {

// The Shift_JIS encoder's bytes for one code point, or nothing where it has none.
QByteArray shiftJisBytes(char32_t c)
{
    if (c <= 0x80)
        return QByteArray(1, char(c));
    if (c == 0xA5)
        return QByteArray(1, '\x5C');
    if (c == 0x203E)
        return QByteArray(1, '\x7E');
    if (c >= 0xFF61 && c <= 0xFF9F)
        return QByteArray(1, char(c - 0xFF61 + 0xA1));
    if (c == 0x2212)
        c = 0xFF0D;
    if (c > 0xFFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {};
    // Windows-31J's choice among repeated codes is the encoder's (the first code outside the NEC
    // selection of the IBM extensions); the user-defined area is Windows-31J's alone.
    const auto *page = text::windows31jtables::encodePages[c >> 8];
    const std::uint16_t code = page ? (*page)[c & 0xFF] : 0;
    if (code == 0 || (code >> 8 >= 0xF0 && code >> 8 <= 0xF9))
        return {};
    if (code < 0x100)
        return QByteArray(1, char(code));
    const char pair[] = {char(code >> 8), char(code & 0xFF)};
    return QByteArray(pair, 2);
}

} // namespace

std::vector<SentCharacter> sentCharacters(QStringView text)
{
    std::vector<SentCharacter> sent;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype start = i;
        if (text[i] == u'\r' || text[i] == u'\n') {
            i += text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
            sent.push_back({start, i - start, QByteArrayLiteral("\r\n")});
            continue;
        }
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            i += 2;
        } else {
            // A lone surrogate is no character: the browser sends U+FFFD for it.
            if (text[i].isSurrogate())
                c = QChar::ReplacementCharacter;
            ++i;
        }
        QByteArray bytes = shiftJisBytes(c);
        const bool reference = bytes.isEmpty();
        if (reference)
            bytes = "&#" + QByteArray::number(quint32(c)) + ';';
        sent.push_back({start, i - start, std::move(bytes), reference});
    }
    return sent;
}

QByteArray joinedBytes(const std::vector<SentCharacter> &characters)
{
    QByteArray bytes;
    for (const SentCharacter &character : characters)
        bytes += character.bytes;
    return bytes;
}

} // namespace post
