#include "os/desktopfolder.h"

#include <QStandardPaths>

namespace os {

// No Windows folder here: the desktop the user's session names (XDG_DESKTOP_DIR, ~/Desktop).
QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace os
