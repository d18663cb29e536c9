#pragma once

#include <QStringList>
#include <QStringView>

#include <algorithm>
#include <type_traits>

namespace text {

// The line break of every file the program writes and of every text it joins from lines.
inline const QString crLf = QStringLiteral("\r\n");

// Where a line ends. Every text file of the program is read by the file rule: a line ends at
// CR LF or at a lone CR, and a lone LF is an ordinary character inside the line. Text that
// another program put on the clipboard is quoted by the clipboard rule, where a lone LF ends a
// line too, because browsers outside Windows separate the lines they copy with LF alone.
// Under both rules the break is not part of the line, and a single break at the very end of the
// text adds no empty line.
enum class LineRule { File, Clipboard };

// Where the character next stands at or after `from`; the text's size when nowhere.
inline qsizetype nextOf(QStringView text, char16_t character, qsizetype from)
{
    const qsizetype at = text.indexOf(character, from);
    return at < 0 ? text.size() : at;
}

// onLine may return false to stop after that line; the result is where reading stopped, just
// after the break of the last line read, so that a caller can take the rest of the text whole.
template <typename OnLine>
qsizetype forEachLine(QStringView text, OnLine &&onLine, LineRule rule = LineRule::File)
{
    const qsizetype size = text.size();
    // The next CR and the next LF that ends a line, each searched for again only once passed,
    // so that the text is scanned once whatever its breaks.
    qsizetype cr = -1;
    qsizetype lf = rule == LineRule::Clipboard ? -1 : size;
    qsizetype start = 0;
    while (start < size) {
        if (cr < start)
            cr = nextOf(text, u'\r', start);
        if (lf < start)
            lf = nextOf(text, u'\n', start);
        const qsizetype end = std::min(cr, lf);
        bool goOn = true;
        if constexpr (std::is_same_v<std::invoke_result_t<OnLine, QStringView>, bool>)
            goOn = onLine(text.sliced(start, end - start));
        else
            onLine(text.sliced(start, end - start));
        start = end == size ? size : end + 1;
        if (end == cr && start < size && text[start] == u'\n')
            ++start;
        if (!goOn)
            break;
    }
    return start;
}

QStringList splitLines(QStringView text, LineRule rule = LineRule::File);

// The lines of the text, each after the lead, joined by the separator. The result is allocated
// once and filled line by line, so that a text of any size takes time in proportion to its length.
QString joinLines(QStringView text, QStringView separator, QStringView lead = {},
                  LineRule rule = LineRule::File);

} // namespace text
