#include "os/desktopfolder.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace os {

QString desktopFolder()
{
    const QString japaneseWindowsDesktop = QStringLiteral("c:/Windows/ﾃﾞｽｸﾄｯﾌﾟ");
    if (QFileInfo(japaneseWindowsDesktop).isDir())
        return japaneseWindowsDesktop;
    // The user's Desktop known folder.
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace os
