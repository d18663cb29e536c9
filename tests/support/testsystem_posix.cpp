#include "support/testsystem.h"

#include <QFontDatabase>
#include <QStringList>

#include <crypt.h>
#include <unistd.h>

void waitToBeKilledForever()
{
    for (;;)
        pause();
}

bool mayMountFileSystems() { return geteuid() == 0; }

bool hasOwnerOnlyModes() { return true; }

bool runsLinuxPrograms() { return true; }

bool hasFonts() { return !QFontDatabase::families().isEmpty(); }

bool hasPosixFileNames() { return true; }

bool hasInputMethodModules() { return true; }

std::shared_ptr<void> holdWithoutSharing(const QString &) { return nullptr; }

std::optional<QByteArray> systemCrypt(const QByteArray &key, const QByteArray &salt)
{
    crypt_data data{};
    const char *hash = crypt_r(key.constData(), salt.constData(), &data);
    return hash ? std::optional<QByteArray>(hash) : std::nullopt;
}
