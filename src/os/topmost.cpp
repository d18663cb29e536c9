#include "os/topmost.h"

#include <QWidget>
#include <QWindow>

namespace os {

bool setStaysOnTop(QWidget &window, bool onTop)
{
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // QWidget::setWindowFlags would re-create the native window (a new X window, an unmap and a
    // flicker) and drop the fonts the children inherit; the flags are kept in step instead, and
    // a window that exists already passes the change to the window manager.
    window.overrideWindowFlags(flags);
    if (QWindow *native = window.windowHandle())
        native->setFlags(flags);
    if (!window.isVisible())
        window.show();
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop;
}

} // namespace os
