#pragma once

#include <QString>

namespace os {

// The name the desktop knows the program by: its menu entry, icon and metadata carry it, and the
// windows name it so that the desktop matches them to the entry.
QString desktopEntryId();

// Whether the program runs from the folder it was installed to: a folder it shares with other
// programs, where its data does not belong even when it may write there. On Linux the folder
// whose menu entry the installation put beside it; on Windows a folder in Program Files, which
// Qt may report as writable although a program running for the user cannot write there.
bool isInstalledProgramFolder(const QString &programFolder);

} // namespace os
