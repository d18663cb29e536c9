#include "widgets/secondarywindow.h"

#include "os/topmost.h"

#include <QCloseEvent>

namespace widgets {

SecondaryWindow::SecondaryWindow(QWidget &mainWindow, const QString &caption, QSize clientSize)
    : ProgramWindow(caption, clientSize)
    , mainWindow_(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(mainWindow.font());
    // Not owned by the main window, it must still not outlive it: it would put a window that is
    // gone back on top when it closes.
    connect(&mainWindow, &QObject::destroyed, this, [this] { delete this; });
}

void SecondaryWindow::releaseMainWindow() { os::setStaysOnTop(mainWindow_, false); }

void SecondaryWindow::closeEvent(QCloseEvent *event)
{
    // The main window hides itself before it closes the others when the program ends.
    if (mainWindow_.isVisible())
        os::setStaysOnTop(mainWindow_, true);
    event->accept();
}

} // namespace widgets
