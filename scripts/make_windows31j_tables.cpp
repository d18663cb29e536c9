// Prints src/text/windows31jtables.cpp, the Windows-31J tables, from glibc's iconv converter
// CP932. Built and run by make_windows31j_tables.sh; it fails loudly rather than write tables
// that break an assumption the codec makes about the code page.

#include <gnu/libc-version.h>
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char16_t replacement = 0xFFFD;
constexpr int firstTrail = 0x40;
constexpr int trailColumns = 0x100 - firstTrail;

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "make_windows31j_tables: %s\n", why.c_str());
    std::exit(1);
}

std::string hex(unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, value);
    return text;
}

bool isLead(int byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
bool isTrail(int byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

class Converter
{
public:
    Converter(const char *to, const char *from)
        : cd(iconv_open(to, from))
    {
        if (cd == reinterpret_cast<iconv_t>(-1))
            fail(std::string("iconv has no converter from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // The whole input converted, or nothing when any of it is not convertible: an invalid or
    // incomplete sequence and a character the target lacks all count.
    std::optional<std::string> convert(const std::string &input)
    {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string in = input;
        char output[64];
        char *inAt = in.data();
        char *outAt = output;
        std::size_t inLeft = in.size();
        std::size_t outLeft = sizeof output;
        if (iconv(cd, &inAt, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        if (iconv(cd, nullptr, nullptr, &outAt, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        return std::string(output, outAt);
    }

private:
    iconv_t cd;
};

Converter decoder("UTF-16LE", "CP932");
Converter encoder("CP932", "UTF-16LE");

// The one BMP character some bytes decode to, or nothing.
std::optional<char16_t> decodeOne(const std::string &bytes)
{
    const auto units = decoder.convert(bytes);
    if (!units || units->size() != 2)
        return std::nullopt;
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>((*units)[0])
                                            | static_cast<unsigned char>((*units)[1]) << 8);
    if (unit >= 0xD800 && unit <= 0xDFFF)
        return std::nullopt;
    return unit;
}

std::string bytesOf(int first) { return std::string(1, static_cast<char>(first)); }
std::string bytesOf(int first, int second) { return bytesOf(first) + bytesOf(second); }

struct Tables
{
    std::array<char16_t, 128> upperSingleBytes{};
    std::vector<std::array<char16_t, trailColumns>> doubleBytes;
    std::array<std::uint16_t, 0x10000> encoded{};
};

char16_t decodeSingle(int byte)
{
    const auto unit = decodeOne(bytesOf(byte));
    if (isLead(byte)) {
        if (unit)
            fail("the lead byte " + hex(byte, 2) + " decodes on its own");
        return 0;
    }
    if (byte < 0x80 && unit != byte)
        fail("the byte " + hex(byte, 2) + " is not ASCII");
    if (unit == replacement || unit == 0)
        fail("the byte " + hex(byte, 2) + " decodes to a marker of the tables");
    return unit.value_or(replacement);
}

char16_t decodePair(int lead, int trail)
{
    const auto unit = decodeOne(bytesOf(lead, trail));
    if (!isTrail(trail)) {
        // The codec takes such a byte for the start of what follows: glibc must agree that the
        // pair is no character.
        if (unit)
            fail("the pair " + hex(lead, 2) + hex(trail, 2) + " with no trail byte decodes");
        return 0;
    }
    if (unit == replacement || unit == 0)
        fail("the pair " + hex(lead, 2) + hex(trail, 2) + " decodes to a marker of the tables");
    return unit.value_or(replacement);
}

// What the bytes decode to through the tables being built.
std::optional<char16_t> decodeThrough(const Tables &tables, const std::string &bytes)
{
    const auto first = static_cast<unsigned char>(bytes[0]);
    if (bytes.size() == 1)
        return first < 0x80 ? first : tables.upperSingleBytes[first - 0x80];
    if (bytes.size() != 2 || !isLead(first))
        return std::nullopt;
    const auto second = static_cast<unsigned char>(bytes[1]);
    const int row = first < 0xA0 ? first - 0x81 : first - 0xC1;
    return tables.doubleBytes[static_cast<std::size_t>(row)][second - firstTrail];
}

// The bytes of a character packed as the codec reads them, or 0 when the code page does not
// hold it exactly: glibc's choice among duplicate codes, and none of its best fits.
std::uint16_t encodeOne(const Tables &tables, char16_t unit, int &bestFits)
{
    std::string utf16;
    utf16 += static_cast<char>(unit & 0xFF);
    utf16 += static_cast<char>(unit >> 8);
    const auto bytes = encoder.convert(utf16);
    if (!bytes || bytes->empty())
        return 0;
    if (decodeThrough(tables, *bytes) != unit) {
        ++bestFits;
        std::string shown;
        for (const char byte : *bytes)
            shown += " " + hex(static_cast<unsigned char>(byte), 2);
        std::fprintf(stderr, "best fit left out: U+%04X ->%s\n", unit, shown.c_str());
        return 0;
    }
    if (unit < 0x80 && *bytes != bytesOf(unit))
        fail("ASCII U+" + hex(unit, 4) + " is not its own byte");
    std::uint16_t packed = 0;
    for (const char byte : *bytes)
        packed = static_cast<std::uint16_t>(packed << 8 | static_cast<unsigned char>(byte));
    return packed;
}

Tables build()
{
    Tables tables;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        tables.upperSingleBytes[static_cast<std::size_t>(byte - 0x80)] = decodeSingle(byte);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLead(lead))
            continue;
        auto &row = tables.doubleBytes.emplace_back();
        for (int trail = firstTrail; trail <= 0xFF; ++trail)
            row[static_cast<std::size_t>(trail - firstTrail)] = decodePair(lead, trail);
    }
    int bestFits = 0;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit < 0xD800 || unit > 0xDFFF)
            tables.encoded[static_cast<std::size_t>(unit)] =
                encodeOne(tables, static_cast<char16_t>(unit), bestFits);
    }
    std::fprintf(stderr, "%d best fits left out\n", bestFits);
    return tables;
}

// Entries eight to a line, each line ending with where it starts.
template <typename Entries>
void printEntries(const Entries &entries, const std::string &indent, auto &&labelOf)
{
    for (std::size_t at = 0; at < entries.size(); at += 8) {
        std::printf("%s", indent.c_str());
        for (std::size_t i = at; i < at + 8; ++i)
            std::printf("0x%04X,%s", static_cast<unsigned>(entries[i]), i + 1 < at + 8 ? " " : "");
        std::printf(" // %s\n", labelOf(at).c_str());
    }
}

void print(const Tables &tables)
{
    std::printf("// Generated by scripts/make_windows31j_tables.sh from the iconv converter CP932\n"
                "// (WINDOWS-31J) of glibc %s: run the script again rather than edit this file.\n"
                "// The layout is described in windows31jtables.h.\n\n"
                "#include \"text/windows31jtables.h\"\n\n"
                "namespace text::windows31jtables {\n\n"
                "// clang-format off\n",
                gnu_get_libc_version());

    std::printf("const std::array<char16_t, 128> upperSingleBytes = {{\n");
    printEntries(tables.upperSingleBytes, "    ", [](std::size_t at) {
        return "bytes " + hex(static_cast<unsigned>(at) + 0x80, 2);
    });
    std::printf("}};\n\n");

    std::printf("const std::array<std::array<char16_t, 0x100 - firstTrail>, leadRowCount> "
                "doubleBytes = {{\n");
    for (std::size_t row = 0; row < tables.doubleBytes.size(); ++row) {
        const unsigned lead =
            row < 31 ? 0x81 + static_cast<unsigned>(row) : 0xC1 + static_cast<unsigned>(row);
        std::printf("    {{\n");
        printEntries(tables.doubleBytes[row], "        ", [lead](std::size_t at) {
            return "bytes " + hex(lead, 2) + " " + hex(static_cast<unsigned>(at) + firstTrail, 2);
        });
        std::printf("    }},\n");
    }
    std::printf("}};\n\n");

    // Only the pages that hold a character are written; the others share one empty page.
    std::printf("namespace {\n\nconst EncodePage none{};\n\n");
    std::array<bool, 0x100> written{};
    for (unsigned page = 0; page < 0x100; ++page) {
        const auto begin = tables.encoded.begin() + page * 0x100;
        std::array<std::uint16_t, 0x100> entries;
        std::copy(begin, begin + 0x100, entries.begin());
        written[page] = entries != std::array<std::uint16_t, 0x100>{};
        if (!written[page])
            continue;
        std::printf("const EncodePage page%s = {{\n", hex(page, 2).c_str());
        printEntries(entries, "    ", [page](std::size_t at) {
            return "U+" + hex(page << 8 | static_cast<unsigned>(at), 4);
        });
        std::printf("}};\n\n");
    }
    std::printf("} // namespace\n\n"
                "const std::array<const EncodePage *, 0x100> encodePages = {{\n");
    for (unsigned page = 0; page < 0x100; page += 8) {
        std::printf("    ");
        for (unsigned i = page; i < page + 8; ++i) {
            std::printf("%s,%s", written[i] ? ("&page" + hex(i, 2)).c_str() : "&none",
                        i + 1 < page + 8 ? " " : "");
        }
        std::printf(" // U+%sxx\n", hex(page, 2).c_str());
    }
    std::printf("}};\n"
                "// clang-format on\n\n"
                "} // namespace text::windows31jtables\n");
}

} // namespace

int main()
{
    print(build());
    return 0;
}
