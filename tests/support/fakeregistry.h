#pragma once

#include "os/registry.h"

#include <QByteArray>
#include <QList>
#include <QMap>

// A registry of keys under HKEY_LOCAL_MACHINE as an ordinary user sees it: a key opens for
// reading only, and asking for any write right is refused.
class FakeRegistry final : public os::Registry
{
public:
    static constexpr long accessDenied = 5;  // ERROR_ACCESS_DENIED
    static constexpr long invalidHandle = 6; // ERROR_INVALID_HANDLE
    static constexpr long moreData = 234;    // ERROR_MORE_DATA

    void setValue(const QByteArray &keyPath, const QByteArray &name, std::uint32_t type,
                  const QByteArray &data);
    void setString(const QByteArray &keyPath, const QByteArray &name, const QByteArray &text);

    bool isPresent() const override { return present; }
    long openKey(Key root, const QByteArray &path, std::uint32_t access, Key *key) override;
    long queryValue(Key key, const QByteArray &name, std::uint32_t *type, char *data,
                    std::uint32_t *size) override;
    long closeKey(Key key) override;

    bool present = true;
    QList<std::uint32_t> accessAsked; // the rights of every open, in order
    qsizetype keysLeftOpen() const { return open_.size(); }

private:
    struct Value
    {
        std::uint32_t type;
        QByteArray data;
    };
    QMap<QByteArray, QMap<QByteArray, Value>> keys_;
    QMap<Key, QByteArray> open_;
    Key nextHandle_ = 0x100;
};
