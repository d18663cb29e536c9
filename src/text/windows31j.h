#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace text {

// Windows-31J, the Japanese Windows code page 932, through the program's own tables: the same on
// every system, with or without ICU or iconv. Where a character has several codes (the NEC and IBM
// extensions repeat some), it is written with the one Windows writes. Bytes below 0x80 are ASCII,
// 0x1A, 0x1C and 0x7F included (ICU's windows-31j, which is IBM's code page 943, swaps those
// three). The single bytes 0x80, 0xA0 and 0xFD to 0xFF are undefined, as in glibc and the
// code page's published table, though Windows itself reads them as U+0080 and U+F8F0 to U+F8F3.

// Never fails: a code the code page leaves undefined, a lead byte cut off by the end of the
// bytes, and a lead byte followed by no trail byte each become one U+FFFD; in the last case the
// byte after the lead byte is then read as the start of what follows.
QString decodeWindows31j(QByteArrayView bytes);

// Whether the bytes are Windows-31J through and through: every code one the code page defines,
// so that decodeWindows31j gives no replacement character. Stops at the first byte that is not.
bool isWindows31j(QByteArrayView bytes);

// Nothing when the code page does not hold every character exactly: a character with no code, a
// best fit that would read back as another character (U+301C, U+00A5, ...), any character
// outside the Basic Multilingual Plane and any lone surrogate.
std::optional<QByteArray> encodeWindows31j(QStringView text);

} // namespace text
