#include "platform/desktopfolder.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString desktopFolder()
{
#ifdef Q_OS_WIN
    const QString japaneseWindowsDesktop = QStringLiteral("c:/Windows/ﾃﾞｽｸﾄｯﾌﾟ");
    if (QFileInfo(japaneseWindowsDesktop).isDir())
        return japaneseWindowsDesktop;
#endif
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace platform
