#include "os/filenames_system.h"

namespace os {

// Any character but the separator and NUL makes a file name here.
QString reservedFileNameCharacters() { return QString(); }

} // namespace os
