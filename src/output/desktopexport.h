#pragma once

#include <QString>

namespace os {
struct Services;
}

namespace output {

// O-put: asks for a name and writes the Comment, exactly as given and in the field files'
// encoding, to the desktop as that name plus ".txt" (unless it already ends in ".txt"),
// replacing a file of that name without asking. Nothing is written for an empty name, nor for
// one that would reach outside the desktop or that no file may have; a failure is told with the
// path and the reason, and the success message follows only a file that was written.
void exportToDesktop(os::Services &services, const QString &comment);

} // namespace output
