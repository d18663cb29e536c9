#pragma once

#include <QString>

namespace os {

// The user's own folder for the data of programs, where Quillo's per-user Data folder goes:
// $XDG_DATA_HOME (by default ~/.local/share) on Linux, %APPDATA% (the roaming one) on Windows.
QString userDataRoot();

} // namespace os
