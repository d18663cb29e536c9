#pragma once

#include <QString>
#include <QStringList>

namespace os {
struct Services;
}

namespace cliptools {

// The quote mark that a quote-mark file's text holds: its lines run together.
QString quoteMarkFrom(QStringView fileText);

// Every line of the text after the mark, the lines joined by CR LF; a lone LF ends a line too.
QString quotedLines(QStringView text, QStringView mark);

// ">Set": asks for a new quote mark and keeps it in "inyo.txt" of the Data folder, exactly as
// typed; then clears the clipboard, as the prompt announces. An empty answer changes nothing.
void changeQuoteMark(os::Services &services, const QString &dataFolder);

// The scratch texts ">" works in: the clipboard text as read, the quote mark, the quoted text.
struct QuoteScratch
{
    QString &clipboardText;
    QString &quoteMark;
    QString &quoted;
};

// ">": puts the quote mark ("inyo.txt", else ">") in front of every line of the clipboard text
// and puts the result back on the clipboard, lines joined by CR LF; a line of the clipboard text
// ends at CR LF, at a lone CR and at a lone LF. The text passes through the working file
// "res.txt", which is gone again however the command ends, and the scratch texts, which let go
// of it at the end.
void quoteClipboardText(os::Services &services, const QString &dataFolder,
                        const QuoteScratch &scratch);

// The files of the Data folder that ">Set" and ">" write: "inyo.txt" and "res.txt".
QStringList quoteMarkFileNames();

} // namespace cliptools
