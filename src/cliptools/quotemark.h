#pragma once

#include <QString>

namespace platform {
struct Services;
}

namespace cliptools {

// ">Set": asks for a new quote mark and keeps it in "inyo.txt" of the Data folder, exactly as
// typed; then clears the clipboard, as the prompt announces. An empty answer changes nothing.
void changeQuoteMark(platform::Services &services, const QString &dataFolder);

// The scratch texts ">" works in: the clipboard text as read, the quote mark, the quoted text.
struct QuoteScratch
{
    QString &clipboardText;
    QString &quoteMark;
    QString &quoted;
};

// ">": puts the quote mark ("inyo.txt", else ">") in front of every line of the clipboard text
// and puts the result back on the clipboard, lines joined by CR LF. The text passes through the
// working file "res.txt", which is gone again however the command ends, and the scratch texts,
// which let go of it at the end.
void quoteClipboardText(platform::Services &services, const QString &dataFolder,
                        const QuoteScratch &scratch);

} // namespace cliptools
