#include "store/snapshotslots.h"

#include "platform/dialogs.h"
#include "platform/linereader.h"
#include "platform/services.h"
#include "platform/textbox.h"
#include "platform/textfiles.h"

#include <QDir>

namespace store {

namespace {

QString slotFileText(const QStringList &fields)
{
    QString text;
    for (const QString &field : fields)
        text += field + platform::crLf;
    return text;
}

// One line to each field in order, the lines left over to the Comment; the fields that get no
// line stay empty. A line break inside a single-line field thus moves the later fields down.
QStringList fieldsFromSlotFileText(QStringView text, qsizetype fieldCount)
{
    QStringList lines = platform::splitLines(text);
    QStringList fields = lines.mid(0, fieldCount - 1);
    fields.resize(fieldCount - 1);
    fields.append(lines.mid(fieldCount - 1).join(platform::crLf));
    return fields;
}

} // namespace

SnapshotSlots::SnapshotSlots(platform::Services &services, QString dataFolder,
                             QList<QWidget *> fields)
    : services_(services)
    , dataFolder_(std::move(dataFolder))
    , fields_(std::move(fields))
{}

void SnapshotSlots::save(int slot)
{
    if (!services_.dialogs.confirm(
            QStringLiteral("現在の表示内容を %1 に保存しますか？").arg(slot)))
        return;
    QStringList texts;
    for (const QWidget *field : fields_)
        texts.append(platform::boxText(field));
    platform::writeTextFile(services_, pathOf(slot), slotFileText(texts));
}

void SnapshotSlots::load(int slot)
{
    const auto text = platform::readTextFileIfPresent(services_, pathOf(slot));
    if (!text)
        return;
    const QStringList texts = fieldsFromSlotFileText(*text, fields_.size());
    for (qsizetype i = 0; i < fields_.size(); ++i)
        platform::setBoxText(fields_[i], texts[i]);
}

QString SnapshotSlots::pathOf(int slot) const
{
    return QDir(dataFolder_).filePath(QStringLiteral("save%1.txt").arg(slot));
}

} // namespace store
