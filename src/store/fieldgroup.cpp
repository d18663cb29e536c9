#include "store/fieldgroup.h"

#include "os/dialogs.h"
#include "os/services.h"
#include "os/textfiles.h"
#include "widgets/textbox.h"

#include <QDir>

namespace store {

FieldGroup::FieldGroup(os::Services &services, QString dataFolder, std::vector<Field> fields)
    : services_(services)
    , dataFolder_(std::move(dataFolder))
    , fields_(std::move(fields))
{}

void FieldGroup::save(int n)
{
    const Field &saved = field(n);
    if (write(saved, widgets::boxText(saved.box)))
        services_.dialogs.inform(saved.savedMessage);
}

void FieldGroup::load(bool emptyEachFirst)
{
    for (const Field &loaded : fields_) {
        if (emptyEachFirst)
            widgets::setBoxText(loaded.box, {});
        const auto text = os::readTextFileIfPresent(services_, pathOf(loaded));
        if (!text)
            return;
        widgets::setBoxText(loaded.box, fieldFromFileText(loaded.kind, *text));
    }
}

void FieldGroup::clear()
{
    for (const Field &cleared : fields_)
        widgets::setBoxText(cleared.box, {});
}

void FieldGroup::deleteAll()
{
    if (!services_.dialogs.confirm(QStringLiteral("すべてのデータを削除しますか？")))
        return;
    // Each field is emptied on screen only once its file is, so a failure loses no text.
    for (const Field &deleted : fields_) {
        if (!write(deleted, {}))
            return;
        widgets::setBoxText(deleted.box, {});
    }
    services_.dialogs.inform(QStringLiteral("すべてのデータが削除されました。"));
}

void FieldGroup::saveAll()
{
    if (!services_.dialogs.confirm(QStringLiteral("現在の表示状態をすべて保存しますか？")))
        return;
    for (const Field &saved : fields_) {
        if (!write(saved, widgets::boxText(saved.box)))
            return;
    }
    services_.dialogs.inform(QStringLiteral("すべて保存されました。"));
}

const Field &FieldGroup::field(int n) const { return fields_.at(static_cast<std::size_t>(n - 1)); }

QStringList FieldGroup::fileNames() const
{
    QStringList names;
    for (const Field &field : fields_)
        names.append(field.fileName);
    return names;
}

QString FieldGroup::pathOf(const Field &field) const
{
    return QDir(dataFolder_).filePath(field.fileName);
}

bool FieldGroup::write(const Field &field, const QString &text)
{
    return os::writeTextFile(services_, pathOf(field), fieldFileText(field.kind, text));
}

} // namespace store
