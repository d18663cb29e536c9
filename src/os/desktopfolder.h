#pragma once

#include <QString>

namespace os {

// Where the Comment is exported: the desktop of the Japanese Windows the program was first made
// for, "c:\Windows\ﾃﾞｽｸﾄｯﾌﾟ\", where that folder exists, else the user's own desktop as the
// platform names it (which need not exist).
QString desktopFolder();

} // namespace os
