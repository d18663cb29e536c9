#include "platform/linereader.h"

namespace platform {

QStringList splitLines(QStringView text)
{
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}

} // namespace platform
