#include "support/testsystem.h"

#include <QFontDatabase>
#include <QStringList>

#include <windows.h>

void waitToBeKilledForever()
{
    for (;;)
        Sleep(INFINITE);
}

bool mayMountFileSystems() { return false; }

bool hasOwnerOnlyModes() { return false; }

bool runsLinuxPrograms() { return false; }

bool hasFonts() { return !QFontDatabase::families().isEmpty(); }

bool hasPosixFileNames() { return false; }

bool hasInputMethodModules() { return false; }

std::shared_ptr<void> holdWithoutSharing(const QString &path)
{
    const HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
                    0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::shared_ptr<void>(file, [](HANDLE held) { CloseHandle(held); });
}

std::optional<QByteArray> systemCrypt(const QByteArray &, const QByteArray &)
{
    return std::nullopt;
}
