#include "app/secondarywindow.h"

#include "app/module1.h"

#include <QCloseEvent>

SecondaryWindow::SecondaryWindow(QWidget &mainWindow, const QString &caption, QSize clientSize)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint)
    , mainWindow_(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, mainWindow.palette().color(QPalette::Window));
    setPalette(grey);
    setAutoFillBackground(true);
    setFont(mainWindow.font());
    // Not owned by the main window, it must still not outlive it: it would put a window that is
    // gone back on top when it closes.
    connect(&mainWindow, &QObject::destroyed, this, [this] { delete this; });
}

void SecondaryWindow::releaseMainWindow() { Module1::SetTopmost(mainWindow_, 0); }

void SecondaryWindow::closeEvent(QCloseEvent *event)
{
    // The main window hides itself before it closes the others when the program ends.
    if (mainWindow_.isVisible())
        Module1::SetTopmost(mainWindow_, 1);
    event->accept();
}
