#pragma once

#include <QIcon>

// The program's icon, which the window manager shows for its windows and the about box beside
// its title: a memo pad, the same picture the desktop shows in its menu.
QIcon programIcon();
