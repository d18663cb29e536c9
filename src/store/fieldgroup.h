#pragma once

#include "store/fieldfile.h"
#include "store/unsavedfile.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace os {
struct Services;
}

namespace store {

// One field of a window as the store sees it: its text box, its file and its Save message.
struct Field
{
    QWidget *box;
    QString fileName;
    FieldKind kind;
    QString savedMessage;
};

// A window's stored fields and the commands that move them between the text boxes and their
// files in the Data folder. Fields are numbered from 1, in the order given.
class FieldGroup
{
public:
    FieldGroup(os::Services &services, QString dataFolder, std::vector<Field> fields);

    // Save: writes field n to its file, then shows the field's message.
    void save(int n);
    // Field load: fills the fields in order from their files and stops at the first file that
    // is missing. With emptyEachFirst ("Re Load") each field is emptied before its file is
    // looked for, so the field whose file is missing ends up empty too.
    void load(bool emptyEachFirst);
    // New: empties every field; no file is touched.
    void clear();
    // All Del: after confirmation, writes every field empty and empties it on screen.
    void deleteAll();
    // All Save: after confirmation, writes every field to its file.
    void saveAll();

    // The fields' files, in the fields' order.
    QStringList fileNames() const;
    QList<QWidget *> boxes() const;
    // The text of the field kept in that file; nothing when no field of the group is.
    std::optional<QString> boxTextOf(const QString &fileName) const;

    // Which fields' boxes hold other text than their files, as last loaded or written (a missing
    // file holds the empty text), in two steps: the boxes as they stand, taken quickly on the
    // user-interface thread, and the fields that differ, worked out from them on any thread.
    struct BoxState
    {
        QString fileName;
        bool multiLine;
        QString rawText;
        std::size_t savedHash;
    };
    std::vector<BoxState> boxStates() const;
    static std::vector<UnsavedField> unsavedOf(std::vector<BoxState> states);
    // Puts the text into the box of the field kept in that file, as if typed; the file stays as
    // it is. False when no field of the group is kept there.
    bool restore(const UnsavedField &field);
    // Runs after each write of a field's file.
    void onWritten(std::function<void()> handler) { onWritten_ = std::move(handler); }

private:
    const Field &field(int n) const;
    QString pathOf(const Field &field) const;
    bool write(const Field &field, const QString &text);

    os::Services &services_;
    QString dataFolder_;
    std::vector<Field> fields_;
    // For each field, a hash of the text its file gives the box: a copy of a large Comment would
    // cost its size again.
    std::vector<std::size_t> savedHashes_;
    std::function<void()> onWritten_;
};

} // namespace store
