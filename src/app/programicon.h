#pragma once

#include <QIcon>

// The program's icon, which the window manager shows for its windows and the about box beside
// its title: a memo pad. It is drawn, so that it stays sharp at every size without picture files.
QIcon programIcon();
