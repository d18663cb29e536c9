#pragma once

#include <QString>

class QColor;

namespace os {
struct Services;
}

namespace html {

// <Font Size=size color="#RRGGBB">text</font>; without a size, no "Size=" either.
QString fontTag(const QString &size, const QColor &colour, const QString &text);

// Font: wraps the clipboard text in a font tag with the size the user types (as typed; no
// "Size=" when none is typed) and the colour the user chooses ("#RRGGBB" in capitals), e.g.
// <Font Size=3 color="#FF0000">text</font>, and puts the tag back on the clipboard. A clipboard
// without text gives a tag with nothing inside. The scratch holds the clipboard text while the
// command runs and is empty afterwards, however the command ends.
void writeFontTag(os::Services &services, QString &scratch);

} // namespace html
