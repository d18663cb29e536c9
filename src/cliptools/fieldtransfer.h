#pragma once

class QWidget;

namespace os {
class Clipboard;
}

namespace cliptools {

enum class Sensitivity { Plain, Secret };

// Clip: the field's current text, exactly as its box holds it (a multi-line field with CR LF
// between its lines, nothing added), replaces whatever the clipboard held. An empty field leaves
// nothing to paste. A secret (the password) is kept out of clipboard history tools.
void clipField(os::Clipboard &clipboard, const QWidget *box,
               Sensitivity sensitivity = Sensitivity::Plain);

} // namespace cliptools
