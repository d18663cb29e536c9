#pragma once

#include <QStringView>

class QWidget;

namespace cliptools {

// Puts the prefix directly in front of the field's text unless the text already begins with it,
// compared exactly: case, width and leading blanks all count. A second press changes nothing.
// Only the text box changes; its file waits for the field's Save.
void putPrefix(QWidget *box, QStringView prefix);

} // namespace cliptools
