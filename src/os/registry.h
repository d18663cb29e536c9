#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>

namespace os {

// Read access to the system registry, call for call as the system offers it: open a key, query
// one of its values, close the key. Names and texts are bytes in the system's ANSI code page;
// results are the system's error codes (0 for success).
class Registry
{
public:
    using Key = std::uintptr_t;

    // HKEY_LOCAL_MACHINE, sign-extended as the system defines it.
    static constexpr Key localMachine =
        static_cast<Key>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002u)));
    static constexpr std::uint32_t readAccess = 0x20019; // KEY_READ
    static constexpr std::uint32_t stringType = 1;       // REG_SZ
    static constexpr std::uint32_t numberType = 4;       // REG_DWORD, little-endian
    static constexpr long success = 0;                   // ERROR_SUCCESS
    static constexpr long notFound = 2;                  // ERROR_FILE_NOT_FOUND

    virtual ~Registry() = default;

    // False where the system has no registry at all.
    virtual bool isPresent() const = 0;
    virtual long openKey(Key root, const QByteArray &path, std::uint32_t access, Key *key) = 0;
    // Fills data, which has room for *size bytes, with the value; *size becomes its length.
    virtual long queryValue(Key key, const QByteArray &name, std::uint32_t *type, char *data,
                            std::uint32_t *size) = 0;
    virtual long closeKey(Key key) = 0;
};

// The system's own registry; where the system has none, every key is missing.
class SystemRegistry final : public Registry
{
public:
    bool isPresent() const override;
    long openKey(Key root, const QByteArray &path, std::uint32_t access, Key *key) override;
    long queryValue(Key key, const QByteArray &name, std::uint32_t *type, char *data,
                    std::uint32_t *size) override;
    long closeKey(Key key) override;
};

} // namespace os
