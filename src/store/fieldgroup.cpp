#include "store/fieldgroup.h"

#include "os/dialogs.h"
#include "os/services.h"
#include "os/textfiles.h"
#include "widgets/textbox.h"

#include <QDir>
#include <QHash>

namespace {

std::size_t hashOf(QStringView text) { return qHash(text); }

} // namespace

namespace store {

FieldGroup::FieldGroup(os::Services &services, QString dataFolder, std::vector<Field> fields)
    : services_(services)
    , dataFolder_(std::move(dataFolder))
    , fields_(std::move(fields))
    , savedHashes_(fields_.size(), hashOf({}))
{}

void FieldGroup::save(int n)
{
    const Field &saved = field(n);
    if (write(saved, widgets::boxText(saved.box)))
        services_.dialogs.inform(saved.savedMessage);
}

void FieldGroup::load(bool emptyEachFirst)
{
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const Field &loaded = fields_[i];
        if (emptyEachFirst)
            widgets::setBoxText(loaded.box, {});
        const auto text = os::readTextFileIfPresent(services_, pathOf(loaded));
        if (!text) {
            savedHashes_[i] = hashOf({});
            return;
        }
        const QString fieldText = fieldFromFileText(loaded.kind, *text);
        savedHashes_[i] = hashOf(fieldText);
        widgets::setBoxText(loaded.box, fieldText);
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

QList<QWidget *> FieldGroup::boxes() const
{
    QList<QWidget *> boxes;
    for (const Field &field : fields_)
        boxes.append(field.box);
    return boxes;
}

std::vector<FieldGroup::BoxState> FieldGroup::boxStates() const
{
    std::vector<BoxState> states;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        states.push_back({fields_[i].fileName, widgets::isMultiLineBox(fields_[i].box),
                          widgets::rawBoxText(fields_[i].box), savedHashes_[i]});
    return states;
}

std::vector<UnsavedField> FieldGroup::unsavedOf(std::vector<BoxState> states)
{
    std::vector<UnsavedField> unsaved;
    for (BoxState &state : states) {
        QString text = widgets::boxTextFromRaw(std::move(state.rawText), state.multiLine);
        if (hashOf(text) != state.savedHash)
            unsaved.push_back({std::move(state.fileName), std::move(text)});
    }
    return unsaved;
}

std::optional<QString> FieldGroup::boxTextOf(const QString &fileName) const
{
    for (const Field &field : fields_) {
        if (field.fileName == fileName)
            return widgets::boxText(field.box);
    }
    return std::nullopt;
}

bool FieldGroup::restore(const UnsavedField &unsaved)
{
    for (const Field &field : fields_) {
        if (field.fileName == unsaved.fileName) {
            widgets::setBoxText(field.box, unsaved.text);
            return true;
        }
    }
    return false;
}

QString FieldGroup::pathOf(const Field &field) const
{
    return QDir(dataFolder_).filePath(field.fileName);
}

bool FieldGroup::write(const Field &field, const QString &text)
{
    if (!os::writeTextFile(services_, pathOf(field), fieldFileText(field.kind, text)))
        return false;
    savedHashes_[static_cast<std::size_t>(&field - fields_.data())] = hashOf(text);
    if (onWritten_)
        onWritten_();
    return true;
}

} // namespace store
