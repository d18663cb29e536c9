#include "platform/browser.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool DesktopBrowser::showPage(const QUrl &page) { return QDesktopServices::openUrl(page); }

} // namespace platform
