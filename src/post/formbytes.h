#pragma once

#include <QByteArray>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace post {

// The characters of a form field as a browser sends them from a Shift_JIS page: the WHATWG
// Encoding Standard's Shift_JIS encoder (not quite Windows-31J: U+00A5, U+203E and U+2212 go
// otherwise, and the user-defined area not at all), and a character it cannot encode as the
// decimal reference &#N;, which the board counts as those ASCII bytes. A line break goes as CR LF.
struct SentCharacter
{
    qsizetype position; // in the field's text, in UTF-16 units
    qsizetype length;   // 2 for a character outside the Basic Multilingual Plane, 2 for CR LF
    char32_t character; // U+FFFD for a lone surrogate, which is what the browser sends for it
    qsizetype size;     // the bytes it is sent as
    std::uint16_t code; // its one or two bytes, unless it goes as a reference
    bool reference;
    bool lineBreak;
};

// Each character's bytes, as the browser sends them.
QByteArray bytesOf(const SentCharacter &character);

struct ShiftJisCode
{
    qsizetype size; // 0 where the encoder has none
    std::uint16_t code;
};
ShiftJisCode shiftJisCode(char32_t c);

// Calls sent(const SentCharacter &) for each character, in order, making nothing on the heap: the
// check runs at every keystroke, on Comments of any size.
template <typename Sent> void forEachSent(QStringView text, Sent &&sent)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype start = i;
        if (text[i] == u'\r' || text[i] == u'\n') {
            i += text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
            sent(SentCharacter{start, i - start, U'\n', 2, 0x0D0A, false, true});
            continue;
        }
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            i += 2;
        } else {
            if (text[i].isSurrogate())
                c = QChar::ReplacementCharacter;
            ++i;
        }
        const ShiftJisCode code = shiftJisCode(c);
        if (code.size > 0) {
            sent(SentCharacter{start, i - start, c, code.size, code.code, false, false});
        } else {
            qsizetype digits = 1;
            for (char32_t rest = c / 10; rest > 0; rest /= 10)
                ++digits;
            sent(SentCharacter{start, i - start, c, digits + 3, 0, true, false}); // &#N;
        }
    }
}

// The bytes of the whole text.
QByteArray sentBytes(QStringView text);

} // namespace post
