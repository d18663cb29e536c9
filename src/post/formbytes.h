#pragma once

#include <QByteArray>
#include <QStringView>

#include <vector>

namespace post {

// One character of a form field as a browser sends it from a Shift_JIS page: the WHATWG Encoding
// Standard's Shift_JIS encoder (not quite Windows-31J: U+00A5, U+203E and U+2212 go otherwise,
// and the user-defined area not at all), and a character it cannot encode as the decimal
// reference &#N;, which the board counts as those ASCII bytes. A line break goes as CR LF.
struct SentCharacter
{
    qsizetype position; // in the field's text, in UTF-16 units
    qsizetype length;   // 2 for a character outside the Basic Multilingual Plane, 2 for CR LF
    QByteArray bytes;
    bool reference = false; // sent as &#N;
};

std::vector<SentCharacter> sentCharacters(QStringView text);

// The bytes of them all.
QByteArray joinedBytes(const std::vector<SentCharacter> &characters);

} // namespace post
