#include "store/unsavedfile.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace store {

namespace {

const QString firstLine = u"Quillo unsaved fields\r\n"_s;
const QString lastLine = u"end\r\n"_s;

} // namespace

QString unsavedFileText(const std::vector<UnsavedField> &fields)
{
    QString text = firstLine;
    for (const UnsavedField &field : fields)
        text += field.fileName + u' ' + QString::number(field.text.size()) + u"\r\n"_s + field.text
                + u"\r\n"_s;
    return text + lastLine;
}

std::optional<std::vector<UnsavedField>> parseUnsavedFileText(QStringView text)
{
    if (!text.startsWith(firstLine))
        return std::nullopt;
    std::vector<UnsavedField> fields;
    qsizetype at = firstLine.size();
    while (text.sliced(at) != lastLine) {
        // "7.txt 1234": a file name of letters, digits and a dot, and a length in digits.
        const qsizetype lineEnd = text.indexOf(u"\r\n", at);
        const QStringView line = text.sliced(at, lineEnd < 0 ? 0 : lineEnd - at);
        const qsizetype space = line.indexOf(u' ');
        bool isNumber = false;
        const qsizetype length = space < 0 ? -1 : line.sliced(space + 1).toLongLong(&isNumber);
        if (lineEnd < 0 || space < 1 || !isNumber || length < 0
            || !std::all_of(line.begin(), line.begin() + space,
                            [](QChar c) { return c.isLetterOrNumber() || c == u'.'; }))
            return std::nullopt;
        at = lineEnd + 2;
        if (text.size() - at < length + 2 || text.sliced(at + length, 2) != u"\r\n")
            return std::nullopt;
        fields.push_back({line.first(space).toString(), text.sliced(at, length).toString()});
        at += length + 2;
    }
    return fields;
}

} // namespace store
