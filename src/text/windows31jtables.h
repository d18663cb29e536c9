#pragma once

#include <array>
#include <cstdint>

// The Windows-31J tables, generated from glibc's converter by scripts/make_windows31j_tables.sh:
// the codec looks characters up here instead of asking ICU, which Qt lacks on Windows.
namespace text::windows31jtables {

// Bytes 0x80 to 0xFF on their own: the character, U+FFFD where the code page has none, or 0 for
// a lead byte, whose character depends on the byte after it. Bytes below 0x80 are ASCII.
extern const std::array<char16_t, 128> upperSingleBytes;

// Lead bytes 0x81 to 0x9F and 0xE0 to 0xFC, in turn.
constexpr int leadRowCount = 60;
constexpr int leadRow(unsigned char lead) { return lead < 0xA0 ? lead - 0x81 : lead - 0xC1; }

// One row for each lead byte, one entry for each second byte from 0x40 to 0xFF: the character,
// U+FFFD for a pair the code page leaves undefined, or 0 where the second byte is no trail byte
// (0x7F, 0xFD to 0xFF) and so starts something of its own.
constexpr int firstTrail = 0x40;
extern const std::array<std::array<char16_t, 0x100 - firstTrail>, leadRowCount> doubleBytes;

// The bytes for each character of the Basic Multilingual Plane, looked up by its high byte and
// then its low one: a single byte as 0x00XX, a pair as 0xLLTT, and 0 when the code page does not
// hold the character exactly (a best fit that decodes to another character counts as not held).
// ASCII is itself and is not looked up.
using EncodePage = std::array<std::uint16_t, 0x100>;
extern const std::array<const EncodePage *, 0x100> encodePages;

} // namespace text::windows31jtables
