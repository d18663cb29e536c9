#include "os/registry.h"

// Systems without a registry: every key is missing.

namespace os {

bool SystemRegistry::isPresent() const { return false; }

long SystemRegistry::openKey(Key, const QByteArray &, std::uint32_t, Key *) { return notFound; }

long SystemRegistry::queryValue(Key, const QByteArray &, std::uint32_t *, char *, std::uint32_t *)
{
    return notFound;
}

long SystemRegistry::closeKey(Key) { return notFound; }

} // namespace os
