#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace os {

// The system clipboard in its plain-text format. Only the clipboard is written, never the X11
// primary selection.
// The formats, with their data, that mark the clipboard's text as a secret on this system.
QList<std::pair<QString, QByteArray>> secretTextMarks();

class Clipboard
{
public:
    // Clears every format the clipboard holds, then puts the text on it as plain text.
    void putText(const QString &text);
    // The same, with the text marked as a secret so that clipboard history tools do not keep it.
    void putSecretText(const QString &text);
    void clear();

    // Only plain text counts as text, in whatever charset; a clipboard holding nothing but other
    // formats (an image, a URL list) holds no text.
    bool hasText() const;
    // The plain text on the clipboard; empty when it holds none.
    QString text() const;
};

} // namespace os
