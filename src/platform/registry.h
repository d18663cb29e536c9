#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>

namespace platform {

// Read access to the system registry, call for call as the system offers it: open a key, query
// one of its values, close the key. Names and texts are bytes in the system's ANSI code page;
// results are the system's error codes (0 for success). Where the system has no registry, every
// key is missing.
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

#ifdef Q_OS_WIN
class WindowsRegistry final : public Registry
{
public:
    bool isPresent() const override { return true; }
    long openKey(Key root, const QByteArray &path, std::uint32_t access, Key *key) override;
    long queryValue(Key key, const QByteArray &name, std::uint32_t *type, char *data,
                    std::uint32_t *size) override;
    long closeKey(Key key) override;
};
using SystemRegistry = WindowsRegistry;
#else
class NoRegistry final : public Registry
{
public:
    bool isPresent() const override { return false; }
    long openKey(Key, const QByteArray &, std::uint32_t, Key *) override { return notFound; }
    long queryValue(Key, const QByteArray &, std::uint32_t *, char *, std::uint32_t *) override
    {
        return notFound;
    }
    long closeKey(Key) override { return notFound; }
};
using SystemRegistry = NoRegistry;
#endif

} // namespace platform
