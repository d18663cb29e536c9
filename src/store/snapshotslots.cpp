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
    // Each box's text is taken as its turn comes and let go at once, so that a large Comment is
    // held only in the box and in the file text.
    platform::writeTextFile(services_, pathOf(slot), slotFileText(fields_, [](const QWidget *box) {
                                return platform::boxText(box);
                            }));
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
