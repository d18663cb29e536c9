#pragma once

#include <QString>

namespace os {

// The folder the program runs from.
QString programFolder();

// Where the Data folder of a program folder lives: "Data" in the program folder when the program
// may write there or a "Data" is already there, unless it was installed there with its menu
// entry; otherwise "Data" in "Quillo" in the user's own data folder ($XDG_DATA_HOME, by default
// ~/.local/share, on Linux; %APPDATA% on Windows).
QString dataFolderFor(const QString &programFolder);

} // namespace os
