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

bool runsShellScripts() { return false; }

bool hasFonts() { return !QFontDatabase::families().isEmpty(); }

bool hasPosixFileNames() { return false; }
