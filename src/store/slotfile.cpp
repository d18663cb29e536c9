#include "store/slotfile.h"

#include "platform/linereader.h"

namespace store {

QString slotFileText(const QStringList &fields)
{
    QString text;
    for (const QString &field : fields)
        text += field + platform::crLf;
    return text;
}

QStringList fieldsFromSlotFileText(QStringView text, qsizetype fieldCount)
{
    QStringList lines = platform::splitLines(text);
    QStringList fields = lines.mid(0, fieldCount - 1);
    fields.resize(fieldCount - 1);
    fields.append(lines.mid(fieldCount - 1).join(platform::crLf));
    return fields;
}

} // namespace store
