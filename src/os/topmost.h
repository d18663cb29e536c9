#pragma once

class QWidget;

namespace os {

// Puts a top-level window into the always-on-top layer or takes it out, in place: the window
// keeps its native handle, position and size; a hidden window is shown. True on success.
bool setStaysOnTop(QWidget &window, bool onTop);

} // namespace os
