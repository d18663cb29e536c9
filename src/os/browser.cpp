#include "os/browser.h"

#include <QUrl>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <QCoreApplication>
#include <QProcess>
#else
#include <QDesktopServices>
#endif

namespace os {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)

// The desktop opens the page through xdg-open, run here rather than by QDesktopServices, which
// counts a started xdg-open as a shown page even when xdg-open then finds no browser. xdg-open
// ends at once when it has handed the page on, or with an error when it found no browser; where it
// starts the browser itself, it waits for the browser to end. So an opener still running after a
// while has started a browser, and it is left to run on its own.
bool DesktopBrowser::showPage(const QUrl &page)
{
    auto *opener = new QProcess(QCoreApplication::instance());
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
    opener->start(QStringLiteral("xdg-open"), {QString::fromUtf8(page.toEncoded())});
    if (!opener->waitForStarted()) {
        delete opener;
        return false;
    }
    if (!opener->waitForFinished(static_cast<int>(openerWait_.count())))
        return true;
    return opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
}

#else

bool DesktopBrowser::showPage(const QUrl &page) { return QDesktopServices::openUrl(page); }

#endif

} // namespace os
