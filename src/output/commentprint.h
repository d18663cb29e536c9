#pragma once

#include <QString>

namespace os {
struct Services;
}

namespace output {

// Print: after the question, the Title, an empty line and the Comment go to the default printer
// as one document, every line break a new line. Without a printer, or when printing fails, the
// user is told so; a printout that went to the printer is not announced.
void printComment(os::Services &services, const QString &title, const QString &comment);

} // namespace output
