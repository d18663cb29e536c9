#pragma once

#include <cstdint>

class QWidget;

namespace Module1 {

// The always-on-top switch of the main window: mode 1 puts the window into the always-on-top
// layer, mode 0 takes it out, in place and showing it if it was hidden. Any other mode does
// nothing. Non-zero on success, 0 on failure or for another mode.
std::int32_t SetTopmost(QWidget &window, std::int16_t mode);

} // namespace Module1
