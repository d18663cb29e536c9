#include "store/snapshotslots.h"

#include "platform/dialogs.h"
#include "platform/linereader.h"
#include "platform/services.h"
#include "platform/textbox.h"
#include "platform/textfiles.h"

#include <QDir>

namespace store {

namespace {

// Each box's text is appended as it is taken and let go at once, so that a large Comment is held
// only in the box and in the file text.
QString slotFileText(const QList<QWidget *> &boxes)
{
    QString text;
    for (const QWidget *box : boxes) {
        text += platform::boxText(box);
        text += platform::crLf;
    }
    return text;
}

// One line to each field in order, the lines left over to the Comment; the fields that get no
// line stay empty. A line break inside a single-line field thus moves the later fields down.
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
    platform::writeTextFile(services_, pathOf(slot), slotFileText(fields_));
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
