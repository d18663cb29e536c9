#include "store/slotfile.h"

namespace store {

// The Comment's lines are joined straight from the rest of the text, so that a large Comment is
// not held once more as a list of lines.
QStringList fieldsFromSlotFileText(QStringView text, qsizetype fieldCount)
{
    QStringList fields;
    const qsizetype rest = platform::forEachLine(text, [&](QStringView line) {
        fields.append(line.toString());
        return fields.size() < fieldCount - 1;
    });
    fields.resize(fieldCount - 1);
    fields.append(platform::joinLines(text.sliced(rest), platform::crLf));
    return fields;
}

} // namespace store
