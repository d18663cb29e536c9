#pragma once

#include <QStringList>
#include <QStringView>

namespace store {

// The text of a slot file: every field followed by CR LF, in field order, the Comment last and
// over as many lines as it has: seven CR LF for seven empty fields.
QString slotFileText(const QStringList &fields);

// The fields a slot file's text gives: one line to each field in order, the lines left over to
// the Comment (joined by CR LF); the fields that get no line stay empty. A line break inside a
// single-line field thus moves the later fields down.
QStringList fieldsFromSlotFileText(QStringView text, qsizetype fieldCount);

} // namespace store
