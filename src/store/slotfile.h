#pragma once

#include "text/linereader.h"

#include <QList>
#include <QStringList>
#include <QStringView>

namespace store {

// The text of a slot file: every field followed by CR LF, in field order, the Comment last and
// over as many lines as it has: seven CR LF for seven empty fields. textOf gives a field's text
// when its turn comes, so that no text is held longer than it takes to append it.
template <typename Field, typename TextOf>
QString slotFileText(const QList<Field> &fields, TextOf &&textOf)
{
    QString text;
    for (const Field &field : fields) {
        text += textOf(field);
        text += text::crLf;
    }
    return text;
}

inline QString slotFileText(const QStringList &fields)
{
    return slotFileText(fields, [](const QString &field) -> const QString & { return field; });
}

// The fields a slot file's text gives: one line to each field in order, the lines left over to
// the Comment (joined by CR LF); the fields that get no line stay empty. A line break inside a
// single-line field thus moves the later fields down.
QStringList fieldsFromSlotFileText(QStringView text, qsizetype fieldCount);

} // namespace store
