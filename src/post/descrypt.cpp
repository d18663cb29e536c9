#include "post/descrypt.h"

#include <array>
#include <cstdint>

namespace post {

namespace {

// The tables of the Data Encryption Standard (FIPS 46), with bits numbered from 1 as it numbers
// them. The work is done on arrays of single bits: slow beside a tuned DES, but a trip is one hash
// at a time, and this way each step reads as the standard writes it.
using Bits64 = std::array<std::uint8_t, 64>;

constexpr std::array<std::uint8_t, 64> initialPermutation{
    58, 50, 42, 34, 26, 18, 10, 2,  60, 52, 44, 36, 28, 20, 12, 4,  62, 54, 46, 38, 30, 22,
    14, 6,  64, 56, 48, 40, 32, 24, 16, 8,  57, 49, 41, 33, 25, 17, 9,  1,  59, 51, 43, 35,
    27, 19, 11, 3,  61, 53, 45, 37, 29, 21, 13, 5,  63, 55, 47, 39, 31, 23, 15, 7};
constexpr std::array<std::uint8_t, 64> finalPermutation{
    40, 8,  48, 16, 56, 24, 64, 32, 39, 7,  47, 15, 55, 23, 63, 31, 38, 6,  46, 14, 54, 22,
    62, 30, 37, 5,  45, 13, 53, 21, 61, 29, 36, 4,  44, 12, 52, 20, 60, 28, 35, 3,  43, 11,
    51, 19, 59, 27, 34, 2,  42, 10, 50, 18, 58, 26, 33, 1,  41, 9,  49, 17, 57, 25};
constexpr std::array<std::uint8_t, 48> expansion{
    32, 1,  2,  3,  4,  5,  4,  5,  6,  7,  8,  9,  8,  9,  10, 11, 12, 13, 12, 13, 14, 15, 16, 17,
    16, 17, 18, 19, 20, 21, 20, 21, 22, 23, 24, 25, 24, 25, 26, 27, 28, 29, 28, 29, 30, 31, 32, 1};
constexpr std::array<std::uint8_t, 32> permutation{16, 7, 20, 21, 29, 12, 28, 17, 1,  15, 23,
                                                   26, 5, 18, 31, 10, 2,  8,  24, 14, 32, 27,
                                                   3,  9, 19, 13, 30, 6,  22, 11, 4,  25};
constexpr std::array<std::uint8_t, 56> keyChoice1{
    57, 49, 41, 33, 25, 17, 9,  1,  58, 50, 42, 34, 26, 18, 10, 2,  59, 51, 43,
    35, 27, 19, 11, 3,  60, 52, 44, 36, 63, 55, 47, 39, 31, 23, 15, 7,  62, 54,
    46, 38, 30, 22, 14, 6,  61, 53, 45, 37, 29, 21, 13, 5,  28, 20, 12, 4};
constexpr std::array<std::uint8_t, 48> keyChoice2{
    14, 17, 11, 24, 1,  5,  3,  28, 15, 6,  21, 10, 23, 19, 12, 4,  26, 8,  16, 7,  27, 20, 13, 2,
    41, 52, 31, 37, 47, 55, 30, 40, 51, 45, 33, 48, 44, 49, 39, 56, 34, 53, 46, 42, 50, 36, 29, 32};
constexpr std::array<std::uint8_t, 16> keyShifts{1, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1};
// Each box: four rows of sixteen, the row chosen by a group's outer bits, the column by its inner.
constexpr std::array<std::array<std::uint8_t, 64>, 8> substitutionBoxes{{
    {14, 4,  13, 1, 2,  15, 11, 8, 3, 10, 6, 12, 5,  9,  0,  7,  0,  15, 7,  4,  14, 2,
     13, 1,  10, 6, 12, 11, 9,  5, 3, 8,  4, 1,  14, 8,  13, 6,  2,  11, 15, 12, 9,  7,
     3,  10, 5,  0, 15, 12, 8,  2, 4, 9,  1, 7,  5,  11, 3,  14, 10, 0,  6,  13},
    {15, 1,  8,  14, 6,  11, 3,  4, 9,  7,  2, 13, 12, 0,  5,  10, 3,  13, 4,  7, 15, 2,
     8,  14, 12, 0,  1,  10, 6,  9, 11, 5,  0, 14, 7,  11, 10, 4,  13, 1,  5,  8, 12, 6,
     9,  3,  2,  15, 13, 8,  10, 1, 3,  15, 4, 2,  11, 6,  7,  12, 0,  5,  14, 9},
    {10, 0,  9,  14, 6, 3,  15, 5,  1,  13, 12, 7, 11, 4,  2,  8,  13, 7, 0,  9, 3, 4,
     6,  10, 2,  8,  5, 14, 12, 11, 15, 1,  13, 6, 4,  9,  8,  15, 3,  0, 11, 1, 2, 12,
     5,  10, 14, 7,  1, 10, 13, 0,  6,  9,  8,  7, 4,  15, 14, 3,  11, 5, 2,  12},
    {7, 13, 14, 3, 0, 6,  9, 10, 1,  2, 8,  5, 11, 12, 4,  15, 13, 8,  11, 5, 6, 15,
     0, 3,  4,  7, 2, 12, 1, 10, 14, 9, 10, 6, 9,  0,  12, 11, 7,  13, 15, 1, 3, 14,
     5, 2,  8,  4, 3, 15, 0, 6,  10, 1, 13, 8, 9,  4,  5,  11, 12, 7,  2,  14},
    {2,  12, 4, 1,  7,  10, 11, 6, 8, 5,  3, 15, 13, 0,  14, 9,  14, 11, 2,  12, 4,  7,
     13, 1,  5, 0,  15, 10, 3,  9, 8, 6,  4, 2,  1,  11, 10, 13, 7,  8,  15, 9,  12, 5,
     6,  3,  0, 14, 11, 8,  12, 7, 1, 14, 2, 13, 6,  15, 0,  9,  10, 4,  5,  3},
    {12, 1,  10, 15, 9,  2,  6, 8,  0, 13, 3,  4,  14, 7,  5, 11, 10, 15, 4, 2, 7, 12,
     9,  5,  6,  1,  13, 14, 0, 11, 3, 8,  9,  14, 15, 5,  2, 8,  12, 3,  7, 0, 4, 10,
     1,  13, 11, 6,  4,  3,  2, 12, 9, 5,  15, 10, 11, 14, 1, 7,  6,  0,  8, 13},
    {4, 11, 2,  14, 15, 0,  8,  13, 3, 12, 9,  7, 5,  10, 6,  1,  13, 0,  11, 7,  4, 9,
     1, 10, 14, 3,  5,  12, 2,  15, 8, 6,  1,  4, 11, 13, 12, 3,  7,  14, 10, 15, 6, 8,
     0, 5,  9,  2,  6,  11, 13, 8,  1, 4,  10, 7, 9,  5,  0,  15, 14, 2,  3,  12},
    {13, 2, 8,  4, 6, 15, 11, 1,  10, 9,  3, 14, 5,  0,  12, 7,  1,  15, 13, 8, 10, 3,
     7,  4, 12, 5, 6, 11, 0,  14, 9,  2,  7, 11, 4,  1,  9,  12, 14, 2,  0,  6, 10, 13,
     15, 3, 5,  8, 2, 1,  14, 7,  4,  10, 8, 13, 15, 12, 9,  0,  3,  5,  6,  11},
}};

using Subkeys = std::array<std::array<std::uint8_t, 48>, 16>;

// crypt's key: each byte shifted up by one, the lowest bit of each (the parity bit) zero.
Subkeys keySchedule(QByteArrayView key)
{
    Bits64 keyBits{};
    for (int i = 0; i < 8 && i < key.size() && key[i] != '\0'; ++i) {
        const auto byte = static_cast<std::uint8_t>(static_cast<std::uint8_t>(key[i]) << 1);
        for (int bit = 0; bit < 8; ++bit)
            keyBits[std::size_t(i * 8 + bit)] = (byte >> (7 - bit)) & 1;
    }
    std::array<std::uint8_t, 56> halves{};
    for (std::size_t i = 0; i < 56; ++i)
        halves[i] = keyBits[keyChoice1[i] - 1u];
    Subkeys subkeys{};
    for (std::size_t round = 0; round < 16; ++round) {
        for (int shift = 0; shift < keyShifts[round]; ++shift) {
            for (std::size_t half = 0; half < 56; half += 28) {
                const std::uint8_t first = halves[half];
                for (std::size_t i = 0; i < 27; ++i)
                    halves[half + i] = halves[half + i + 1];
                halves[half + 27] = first;
            }
        }
        for (std::size_t i = 0; i < 48; ++i)
            subkeys[round][i] = halves[keyChoice2[i] - 1u];
    }
    return subkeys;
}

// The salt's twelve bits each swap two outputs of the expansion, so that one key hashes twelve
// bits' worth of ways. Its characters are read as crypt reads them, even outside the alphabet.
std::array<std::uint8_t, 48> saltedExpansion(QByteArrayView salt)
{
    std::array<std::uint8_t, 48> table = expansion;
    for (std::size_t i = 0; i < 2; ++i) {
        int c = i < std::size_t(salt.size()) ? static_cast<unsigned char>(salt[qsizetype(i)]) : 0;
        if (c > 'Z')
            c -= 6;
        if (c > '9')
            c -= 7;
        c -= '.';
        for (std::size_t bit = 0; bit < 6; ++bit) {
            if ((c >> bit) & 1)
                std::swap(table[6 * i + bit], table[6 * i + bit + 24]);
        }
    }
    return table;
}

void encryptBlock(Bits64 &block, const Subkeys &subkeys, const std::array<std::uint8_t, 48> &eTable)
{
    Bits64 permuted;
    for (std::size_t i = 0; i < 64; ++i)
        permuted[i] = block[initialPermutation[i] - 1u];
    std::array<std::uint8_t, 32> left, right;
    std::copy_n(permuted.begin(), 32, left.begin());
    std::copy_n(permuted.begin() + 32, 32, right.begin());
    for (const auto &subkey : subkeys) {
        std::array<std::uint8_t, 32> substituted;
        for (std::size_t box = 0; box < 8; ++box) {
            std::uint8_t group[6];
            for (std::size_t i = 0; i < 6; ++i)
                group[i] = right[eTable[box * 6 + i] - 1u] ^ subkey[box * 6 + i];
            const int row = group[0] << 1 | group[5];
            const int column = group[1] << 3 | group[2] << 2 | group[3] << 1 | group[4];
            const std::uint8_t value = substitutionBoxes[box][std::size_t(row * 16 + column)];
            for (std::size_t bit = 0; bit < 4; ++bit)
                substituted[box * 4 + bit] = (value >> (3 - bit)) & 1;
        }
        std::array<std::uint8_t, 32> next;
        for (std::size_t i = 0; i < 32; ++i)
            next[i] = left[i] ^ substituted[permutation[i] - 1u];
        left = right;
        right = next;
    }
    // The halves change places once more after the last round.
    std::copy(right.begin(), right.end(), permuted.begin());
    std::copy(left.begin(), left.end(), permuted.begin() + 32);
    for (std::size_t i = 0; i < 64; ++i)
        block[i] = permuted[finalPermutation[i] - 1u];
}

char hashCharacter(int value)
{
    int c = value + '.';
    if (c > '9')
        c += 7;
    if (c > 'Z')
        c += 6;
    return char(c);
}

} // namespace

QByteArray desCrypt(QByteArrayView key, QByteArrayView salt)
{
    const Subkeys subkeys = keySchedule(key);
    const std::array<std::uint8_t, 48> eTable = saltedExpansion(salt);
    Bits64 block{};
    for (int i = 0; i < 25; ++i)
        encryptBlock(block, subkeys, eTable);
    QByteArray hash = salt.first(std::min<qsizetype>(salt.size(), 2)).toByteArray();
    // 64 bits, and two zero bits more, as eleven characters of six bits.
    for (std::size_t i = 0; i < 66; i += 6) {
        int value = 0;
        for (std::size_t bit = i; bit < i + 6; ++bit)
            value = value << 1 | (bit < 64 ? block[bit] : 0);
        hash += hashCharacter(value);
    }
    return hash;
}

} // namespace post
