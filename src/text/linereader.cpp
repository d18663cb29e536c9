#include "text/linereader.h"

namespace text {

QStringList splitLines(QStringView text, LineRule rule)
{
    QStringList lines;
    forEachLine(
        text, [&lines](QStringView line) { lines.append(line.toString()); }, rule);
    return lines;
}

QString joinLines(QStringView text, QStringView separator, QStringView lead, LineRule rule)
{
    // Every line ends at a break character, or at the end of the text: this many lines at most.
    const qsizetype breaks =
        text.count(u'\r') + (rule == LineRule::Clipboard ? text.count(u'\n') : 0);
    const qsizetype lines = breaks + 1;
    QString joined;
    joined.reserve(text.size() + lines * (lead.size() + separator.size()));
    bool first = true;
    forEachLine(
        text,
        [&](QStringView line) {
            if (!first)
                joined += separator;
            joined += lead;
            joined += line;
            first = false;
        },
        rule);
    return joined;
}

} // namespace text
