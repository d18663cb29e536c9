#pragma once

#include <QString>

namespace os {

// The name the desktop knows the program by: its menu entry, icon and metadata carry it, and the
// windows name it so that the desktop matches them to the entry.
QString desktopEntryId();

// Whether the program runs from the folder it was installed to with its menu entry: a folder it
// shares with other programs, where its data does not belong even when it may write there.
bool isInstalledProgramFolder(const QString &programFolder);

} // namespace os
