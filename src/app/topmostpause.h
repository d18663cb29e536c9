#pragma once

#include "app/module1.h"

// Takes the main window out of the always-on-top layer for as long as it lives, so that a
// platform dialog can stand in front of it, and puts the window back on top on every way out of
// the command that holds it.
class TopmostPause
{
public:
    explicit TopmostPause(QWidget &mainWindow)
        : mainWindow_(mainWindow)
    {
        Module1::SetTopmost(mainWindow_, 0);
    }
    ~TopmostPause() { Module1::SetTopmost(mainWindow_, 1); }

    TopmostPause(const TopmostPause &) = delete;
    TopmostPause &operator=(const TopmostPause &) = delete;

private:
    QWidget &mainWindow_;
};
