#include "store/slotfile.h"

namespace store {

// The Comment's lines are joined straight from the rest of the text, so that a large Comment is
// not held once more as a list of lines.
QStringList fieldsFromSlotFileText(QStringView text, qsizetype fieldCount)
{
    QStringList fields;
    const qsizetype rest = text::forEachLine(text, [&](QStringView line) {
        fields.append(line.toString());
        return fields.size() < fieldCount - 1;
    });
    fields.resize(fieldCount - 1);
    fields.append(text::joinLines(text.sliced(rest), text::crLf));
    return fields;
}

} // namespace store
