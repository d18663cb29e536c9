#pragma once

#include "widgets/programwindow.h"

#include <QPointer>

namespace widgets {

// A window the user opens from the main window (the aux memo windows, the slot chooser, the
// about box): modeless and without an owner, so the main window stays usable. When it loads it
// takes the main window out of the always-on-top layer, so that it can stand in front of it;
// closing it, by its own closing button or through the title bar, unloads it and puts the main
// window back on top (unless the main window is itself going away).
class SecondaryWindow : public ProgramWindow
{
    Q_OBJECT

public:
    // Loads the window on first use, or only brings it to the front while it is open, restored
    // if it was minimized.
    template <typename Window, typename... Args>
    static Window &open(QPointer<Window> &window, Args &&...args)
    {
        if (!window)
            window = new Window(std::forward<Args>(args)...);
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->activateWindow();
        return *window;
    }

protected:
    // In the main window's font.
    SecondaryWindow(QWidget &mainWindow, const QString &caption, QSize clientSize);

    // Takes the main window out of the always-on-top layer; called when the window loads.
    void releaseMainWindow();

    void closeEvent(QCloseEvent *event) override;

private:
    QWidget &mainWindow_;
};

} // namespace widgets
