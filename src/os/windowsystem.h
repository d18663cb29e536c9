#pragma once

#include <QByteArray>
#include <QString>

namespace os {

// The parts of the environment that decide which window system the program runs on.
struct SessionEnvironment
{
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray display;        // DISPLAY
    QByteArray qpaPlatform;    // QT_QPA_PLATFORM, the user's own choice of Qt platform plugin
};

SessionEnvironment sessionEnvironment();

// The Qt platform plugin to start on, or empty to leave the choice to Qt. Wayland has no
// always-on-top, so a Wayland session that has Xwayland runs the program on X11, where the
// window manager keeps the main window in front; Wayland alone runs it natively. A plugin the
// user has chosen is always respected.
QByteArray preferredPlatform(const SessionEnvironment &environment);

// What the program says once on standard error when it runs on this Qt platform plugin, or
// nothing.
QString windowSystemNotice(const QString &platformName);

} // namespace os
