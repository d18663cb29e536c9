#pragma once

#include "os/topmost.h"

namespace os {

// Takes the main window out of the always-on-top layer for as long as it lives, so that a
// platform dialog can stand in front of it, and puts the window back on top on every way out of
// the command that holds it.
class TopmostPause
{
public:
    explicit TopmostPause(QWidget &mainWindow)
        : mainWindow_(mainWindow)
    {
        os::setStaysOnTop(mainWindow_, false);
    }
    ~TopmostPause() { os::setStaysOnTop(mainWindow_, true); }

    TopmostPause(const TopmostPause &) = delete;
    TopmostPause &operator=(const TopmostPause &) = delete;

private:
    QWidget &mainWindow_;
};

} // namespace os
