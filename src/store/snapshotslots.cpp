#include "store/snapshotslots.h"

#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/textbox.h"
#include "platform/textfiles.h"
#include "store/slotfile.h"

#include <QDir>

namespace store {

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
