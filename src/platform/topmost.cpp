#include "platform/topmost.h"

#include <QWidget>
#include <QWindow>

namespace platform {

bool setStaysOnTop(QWidget &window, bool onTop)
{
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (QWindow *native = window.windowHandle()) {
        // QWidget::setWindowFlags would destroy and re-create the native window (a new X window,
        // an unmap and a flicker); the QWindow passes the change to the window manager instead.
        native->setFlags(flags);
        window.overrideWindowFlags(flags);
    } else {
        window.setWindowFlags(flags);
    }
    if (!window.isVisible())
        window.show();
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop;
}

} // namespace platform
