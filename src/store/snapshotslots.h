#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace os {
struct Services;
}

namespace store {

// The eight snapshot slots: each keeps a copy of all seven fields of the main window in a slot
// file of the Data folder, "save1.txt" to "save8.txt". Slots never touch the field files.
// The slot files' format: store/slotfile.h.
class SnapshotSlots
{
public:
    SnapshotSlots(os::Services &services, QString dataFolder, QList<QWidget *> fields);

    // After the slot's question, replaces the slot file with the fields as they stand. Nothing
    // is said afterwards unless the file could not be written.
    void save(int slot);
    // Replaces every field with the slot's content at once, without a question. A slot never
    // saved, or a slot file that cannot be read, leaves the fields as they are.
    void load(int slot);

    // The slot files of the Data folder, slot 1 first.
    static QStringList fileNames();
    static constexpr int slotCount = 8;

private:
    QString pathOf(int slot) const;
    std::optional<QStringList> fieldTextsOf(int slot) const;

    os::Services &services_;
    QString dataFolder_;
    QList<QWidget *> fields_;
};

} // namespace store
