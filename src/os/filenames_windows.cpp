#include "os/filenames_system.h"

namespace os {

QString reservedFileNameCharacters() { return QStringLiteral("<>:\"|?*"); }

} // namespace os
