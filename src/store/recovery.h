#pragma once

#include "os/filesystem.h"
#include "store/unsavedfile.h"

#include <QElapsedTimer>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <vector>

namespace os {
struct Services;
}

namespace store {

class FieldGroup;

// What was typed and not saved, kept in a file of the Data folder so that a crash, a killed
// process, a power cut or the end of the session loses none of it: the text of every field whose
// box differs from its file, written by the safe write of every Data file about a second after
// the last change, and at once after a save. When no field differs there is no file. A normal end
// removes it; the next start offers what it holds. It gives way to the commands' writes.
class Recovery : public QObject, public os::BackgroundWriter
{
    Q_OBJECT

public:
    static const QString fileName;
    // Where a recovery file that could not be read is put aside.
    static const QString unreadableFileName;

    Recovery(os::Services &services, QString dataFolder);
    ~Recovery() override;

    // The group's fields are kept from now on, until it is forgotten.
    void watch(FieldGroup &group);
    void forget(const FieldGroup &group);
    // Writes at once and waits until it is written: the session is ending.
    void writeNow();
    // A normal end: the file goes, and nothing is written any more.
    void discard();

    // At start: what the file holds. A file that cannot be read or is not whole is never applied:
    // it is renamed beside itself, with one message that names it, and gives nothing.
    std::vector<UnsavedField> found();
    // The user does not want it back.
    void remove();

    void finish() override;
    bool freeRoom() override;

private:
    void writeSoon();
    void writeAfterPause();
    void write();
    QString path() const;
    void written(bool done, const os::FileError &error);

    os::Services &services_;
    const QString dataFolder_;
    std::vector<const FieldGroup *> groups_;
    QTimer pause_; // the moment after the last change
    QElapsedTimer sinceChange_;
    QThreadPool writer_; // one thread, so that the writes land in order
    bool discarded_ = false;
    int failuresInRow_ = 0;
    QList<os::FileError::Cause> told_; // the causes of failure told since the last write that went
};

} // namespace store
