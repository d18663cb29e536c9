#pragma once

#include <QString>

namespace os {

// The characters besides the folder separators that the system's file names do not take.
QString reservedFileNameCharacters();

} // namespace os
