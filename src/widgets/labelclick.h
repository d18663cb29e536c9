#pragma once

#include <functional>

class QLabel;

namespace widgets {

// Runs the handler when the label is clicked: the left button pressed on it and released on it,
// as a button counts a click. The second click of a double click does not count again.
void onClick(QLabel *label, std::function<void()> handler);

} // namespace widgets
