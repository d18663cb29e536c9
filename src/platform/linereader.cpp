#include "platform/linereader.h"

namespace platform {

QStringList splitLines(QStringView text)
{
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}

QString joinLines(QStringView text, QStringView separator, QStringView lead)
{
    // Every line ends at a CR, or at the end of the text: this many lines at most.
    const qsizetype lines = text.count(u'\r') + 1;
    QString joined;
    joined.reserve(text.size() + lines * (lead.size() + separator.size()));
    bool first = true;
    forEachLine(text, [&](QStringView line) {
        if (!first)
            joined += separator;
        joined += lead;
        joined += line;
        first = false;
    });
    return joined;
}

} // namespace platform
