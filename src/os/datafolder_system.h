#pragma once

#include <QString>

namespace os {

// The user's own folder for the data of programs, where Quillo's per-user Data folder goes:
// $XDG_DATA_HOME (by default ~/.local/share) on Linux, %APPDATA% (the roaming one) on Windows.
QString userDataRoot();

// The user's private folder for what lives only while the program runs (the one-copy lock and
// its socket): $XDG_RUNTIME_DIR on Linux, the program's folder in the local application data
// (%LOCALAPPDATA%\Quillo) on Windows, out of sight and not roaming.
QString userRuntimeFolder();

} // namespace os
