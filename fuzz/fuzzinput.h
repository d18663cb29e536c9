#pragma once

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: text made from the fuzzer's bytes, and the check that stops a run
// with a message when a property of the program does not hold.

// Every two bytes a UTF-16 code unit, so that any text can come up: lone surrogates, NUL,
// CR and LF in every mix, characters beyond the Basic Multilingual Plane.
inline QString utf16Text(const std::uint8_t *data, std::size_t size)
{
    return QString(reinterpret_cast<const QChar *>(data), qsizetype(size / sizeof(QChar)));
}

inline QString utf16Text(FuzzedDataProvider &input, std::size_t maxUnits)
{
    const std::string bytes = input.ConsumeRandomLengthString(maxUnits * sizeof(QChar));
    return utf16Text(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

inline QString utf16Rest(FuzzedDataProvider &input)
{
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    return utf16Text(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

// A failed property is a finding: libFuzzer keeps the input that abort() ends the run with.
#define FUZZ_EXPECT(condition)                                                                     \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__,        \
                         #condition);                                                              \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
