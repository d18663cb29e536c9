#pragma once

#include <QString>

namespace os {

// Why no file in a folder may have this name, or the empty text when one may: the names of the
// folders themselves, folder separators and control characters everywhere, and the characters
// the system's file names do not take.
QString refusalOfFileName(const QString &name);

} // namespace os
