#pragma once

#include <QString>

namespace platform {

// The folder the program runs from.
QString programFolder();

// Where the Data folder of a program folder lives: "Data" in the program folder when the program
// may write there or a "Data" is already there; otherwise (a system-wide installation) "Data" in
// the user's own application data folder.
QString dataFolderFor(const QString &programFolder);

} // namespace platform
