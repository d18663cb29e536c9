#pragma once

// The few operating-system calls the tests make themselves, one file per system
// (testsystem_posix.cpp, testsystem_windows.cpp).

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

// Waits until the process is killed, using no processor time.
[[noreturn]] void waitToBeKilledForever();

// Whether the test runs with the rights to mount file systems (root on Linux; never on Windows,
// which has no small file systems to mount).
bool mayMountFileSystems();

// Whether files and folders carry owner, group and other modes (not on Windows, where access goes
// by access-control lists and Qt reads every mode back as set).
bool hasOwnerOnlyModes();

// Whether the test can run Linux programs: stand-ins that are shell scripts ("#!/bin/sh"), the
// system's own tools, poppler's tools that read a printed PDF. Not on Windows.
bool runsLinuxPrograms();

// Whether the platform Qt runs on finds any font: offscreen Qt on Windows finds only those of the
// folder QT_QPA_FONTDIR names.
bool hasFonts();

// Whether names that differ only in case are different files and QFile::link makes symbolic
// links, as on Linux; on Windows they are one file, and a link is a shortcut (.lnk) file.
bool hasPosixFileNames();

// Whether Qt's input-method modules come with the Qt the test runs on, ibus at least, as
// Debian's do; on Windows the system's own input method needs none.
bool hasInputMethodModules();

// The system's own traditional crypt(3) (libcrypt), to check the program's against; nothing where
// the system has none (Windows).
std::optional<QByteArray> systemCrypt(const QByteArray &key, const QByteArray &salt);

// Holds the file open as a program does that shares it with no one, until the holder goes: on
// Windows every other open, rename or delete of it then fails with a sharing violation. Nothing
// where the system has no such locks.
std::shared_ptr<void> holdWithoutSharing(const QString &path);
