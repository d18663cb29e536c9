#pragma once

#include "post/boardsettings.h"

#include <QString>

#include <vector>

namespace check {

// A board the check can be made for: its name in the chooser, its settings and its family.
struct Board
{
    QString name;
    post::BoardSettings settings;
    post::Family family;
};

// The boards the chooser begins with: 0ch+'s defaults, and the settings most 5ch boards have.
std::vector<Board> presetBoards();

} // namespace check
