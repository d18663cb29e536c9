#include "store/fieldgroup.h"

#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/textbox.h"
#include "platform/textfiles.h"

#include <QDir>

namespace store {

FieldGroup::FieldGroup(platform::Services &services, QString dataFolder, std::vector<Field> fields)
    : services_(services)
    , dataFolder_(std::move(dataFolder))
    , fields_(std::move(fields))
{}

void FieldGroup::save(int n)
{
    const Field &saved = field(n);
    if (write(saved, platform::boxText(saved.box)))
        services_.dialogs.inform(saved.savedMessage);
}

void FieldGroup::load(bool emptyEachFirst)
{
    for (const Field &loaded : fields_) {
        if (emptyEachFirst)
            platform::setBoxText(loaded.box, {});
        const auto text = platform::readTextFileIfPresent(services_, pathOf(loaded));
        if (!text)
            return;
        platform::setBoxText(loaded.box, fieldFromFileText(loaded.kind, *text));
    }
}

void FieldGroup::clear()
{
    for (const Field &cleared : fields_)
        platform::setBoxText(cleared.box, {});
}

void FieldGroup::deleteAll()
{
    if (!services_.dialogs.confirm(QStringLiteral("すべてのデータを削除しますか？")))
        return;
    // Each field is emptied on screen only once its file is, so a failure loses no text.
    for (const Field &deleted : fields_) {
        if (!write(deleted, {}))
            return;
        platform::setBoxText(deleted.box, {});
    }
    services_.dialogs.inform(QStringLiteral("すべてのデータが削除されました。"));
}

void FieldGroup::saveAll()
{
    if (!services_.dialogs.confirm(QStringLiteral("現在の表示状態をすべて保存しますか？")))
        return;
    for (const Field &saved : fields_) {
        if (!write(saved, platform::boxText(saved.box)))
            return;
    }
    services_.dialogs.inform(QStringLiteral("すべて保存されました。"));
}

const Field &FieldGroup::field(int n) const { return fields_.at(static_cast<std::size_t>(n - 1)); }

QString FieldGroup::pathOf(const Field &field) const
{
    return QDir(dataFolder_).filePath(field.fileName);
}

bool FieldGroup::write(const Field &field, const QString &text)
{
    return platform::writeTextFile(services_, pathOf(field), fieldFileText(field.kind, text));
}

} // namespace store
