#include "os/registry.h"

#include <windows.h>

namespace os {

bool SystemRegistry::isPresent() const { return true; }

long SystemRegistry::openKey(Key root, const QByteArray &path, std::uint32_t access, Key *key)
{
    HKEY opened = nullptr;
    const LONG result =
        RegOpenKeyExA(reinterpret_cast<HKEY>(root), path.constData(), 0, access, &opened);
    *key = reinterpret_cast<Key>(opened);
    return result;
}

long SystemRegistry::queryValue(Key key, const QByteArray &name, std::uint32_t *type, char *data,
                                std::uint32_t *size)
{
    DWORD valueType = 0;
    DWORD length = *size;
    const LONG result = RegQueryValueExA(reinterpret_cast<HKEY>(key), name.constData(), nullptr,
                                         &valueType, reinterpret_cast<LPBYTE>(data), &length);
    *type = valueType;
    *size = length;
    return result;
}

long SystemRegistry::closeKey(Key key) { return RegCloseKey(reinterpret_cast<HKEY>(key)); }

} // namespace os
