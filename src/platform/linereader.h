#pragma once

#include <QStringList>
#include <QStringView>

namespace platform {

// The line break of every file the program writes and of every text it joins from lines.
inline const QString crLf = QStringLiteral("\r\n");

// The one rule by which every text file of the program is read line by line: a line ends at
// CR LF or at a lone CR, and the break is not part of the line; a lone LF is an ordinary
// character inside the line; a single break at the very end of the text adds no empty line.
template <typename OnLine> void forEachLine(QStringView text, OnLine &&onLine)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        const qsizetype cr = text.indexOf(u'\r', start);
        if (cr < 0) {
            onLine(text.sliced(start));
            return;
        }
        onLine(text.sliced(start, cr - start));
        start = cr + 1;
        if (start < size && text[start] == u'\n')
            ++start;
    }
}

QStringList splitLines(QStringView text);

// The lines of the text, each after the lead, joined by the separator. The result is allocated
// once and filled line by line, so that a text of any size takes time in proportion to its length.
QString joinLines(QStringView text, QStringView separator, QStringView lead = {});

} // namespace platform
