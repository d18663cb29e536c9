#include "store/snapshotslots.h"

#include "os/dialogs.h"
#include "os/services.h"
#include "os/textfiles.h"
#include "store/slotfile.h"
#include "widgets/textbox.h"

#include <QDir>

namespace store {

SnapshotSlots::SnapshotSlots(os::Services &services, QString dataFolder, QList<QWidget *> fields)
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
    os::writeTextFile(services_, pathOf(slot), slotFileText(fields_, [](const QWidget *box) {
                          return widgets::boxText(box);
                      }));
}

void SnapshotSlots::load(int slot)
{
    const std::optional<QStringList> texts = fieldTextsOf(slot);
    if (!texts)
        return;
    for (qsizetype i = 0; i < fields_.size(); ++i)
        widgets::setBoxText(fields_[i], texts->at(i));
}

// The file's text is let go before the boxes are filled: a large Comment is then held once beside
// what its box makes of it, not twice.
std::optional<QStringList> SnapshotSlots::fieldTextsOf(int slot) const
{
    const auto text = os::readTextFileIfPresent(services_, pathOf(slot));
    if (!text)
        return std::nullopt;
    return fieldsFromSlotFileText(*text, fields_.size());
}

QString SnapshotSlots::pathOf(int slot) const
{
    return QDir(dataFolder_).filePath(fileNames().at(slot - 1));
}

QStringList SnapshotSlots::fileNames()
{
    QStringList names;
    for (int slot = 1; slot <= slotCount; ++slot)
        names.append(QStringLiteral("save%1.txt").arg(slot));
    return names;
}

} // namespace store
