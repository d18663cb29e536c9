#include "support/fakeregistry.h"

#include <cstring>

void FakeRegistry::setValue(const QByteArray &keyPath, const QByteArray &name, std::uint32_t type,
                            const QByteArray &data)
{
    keys_[keyPath][name] = Value{type, data};
}

void FakeRegistry::setString(const QByteArray &keyPath, const QByteArray &name,
                             const QByteArray &text)
{
    // A string value is stored with its terminating zero.
    setValue(keyPath, name, stringType, text + '\0');
}

long FakeRegistry::openKey(Key root, const QByteArray &path, std::uint32_t access, Key *key)
{
    accessAsked.append(access);
    if (root != localMachine || !keys_.contains(path))
        return notFound;
    if (access & ~readAccess)
        return accessDenied;
    *key = nextHandle_++;
    open_.insert(*key, path);
    return success;
}

long FakeRegistry::queryValue(Key key, const QByteArray &name, std::uint32_t *type, char *data,
                              std::uint32_t *size)
{
    if (!open_.contains(key))
        return invalidHandle;
    const auto values = keys_.value(open_.value(key));
    if (!values.contains(name))
        return notFound;
    const Value &value = values[name];
    const auto length = static_cast<std::uint32_t>(value.data.size());
    const std::uint32_t room = *size;
    *size = length;
    if (length > room)
        return moreData;
    std::memcpy(data, value.data.constData(), length);
    *type = value.type;
    return success;
}

long FakeRegistry::closeKey(Key key) { return open_.remove(key) ? success : invalidHandle; }
