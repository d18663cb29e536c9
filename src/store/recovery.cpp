#include "store/recovery.h"

#include "os/dialogs.h"
#include "os/filesystem.h"
#include "os/services.h"
#include "os/textfiles.h"
#include "store/fieldgroup.h"
#include "text/textcodec.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace store {

const QString Recovery::fileName = u"unsaved.txt"_s;
const QString Recovery::unreadableFileName = u"unsaved-unreadable.txt"_s;

namespace {

constexpr int pauseMilliseconds = 1000;

} // namespace

Recovery::Recovery(os::Services &services, QString dataFolder)
    : services_(services)
    , dataFolder_(std::move(dataFolder))
{
    pause_.setSingleShot(true);
    connect(&pause_, &QTimer::timeout, this, &Recovery::writeAfterPause);
    writer_.setMaxThreadCount(1);
    services_.files.setBackgroundWriter(this);
}

Recovery::~Recovery()
{
    services_.files.setBackgroundWriter(nullptr);
    finish();
}

void Recovery::watch(FieldGroup &group)
{
    groups_.push_back(&group);
    for (QWidget *box : group.boxes()) {
        if (auto *line = qobject_cast<QLineEdit *>(box))
            connect(line, &QLineEdit::textChanged, this, &Recovery::writeSoon);
        else if (auto *text = qobject_cast<QPlainTextEdit *>(box))
            connect(text, &QPlainTextEdit::textChanged, this, &Recovery::writeSoon);
    }
    group.onWritten([this] { write(); });
}

void Recovery::forget(const FieldGroup &group)
{
    std::erase(groups_, &group);
    writeSoon();
}

// A keystroke only notes the time: restarting the timer for each would cost a keystroke more
// than everything else here.
void Recovery::writeSoon()
{
    if (discarded_)
        return;
    sinceChange_.start();
    if (!pause_.isActive())
        pause_.start(pauseMilliseconds);
}

void Recovery::writeAfterPause()
{
    if (const qint64 left = pauseMilliseconds - sinceChange_.elapsed(); left > 0)
        pause_.start(int(left));
    else
        write();
}

// Only the boxes' texts are taken here, as quickly as they can be; telling which differ from their
// files and encoding and writing them, over a large Comment the longest part, is left to the
// writer's thread, out of the way of typing.
void Recovery::write()
{
    pause_.stop();
    if (discarded_)
        return;
    std::vector<FieldGroup::BoxState> boxes;
    for (const FieldGroup *group : groups_) {
        for (FieldGroup::BoxState &box : group->boxStates())
            boxes.push_back(std::move(box));
    }
    writer_.start([this, boxes = std::move(boxes), path = path()]() mutable {
        const std::vector<UnsavedField> unsaved = FieldGroup::unsavedOf(std::move(boxes));
        os::FileError error;
        const bool done =
            unsaved.empty()
                ? !services_.files.exists(path) || services_.files.remove(path, &error)
                : services_.files.write(path, text::encodeText(unsavedFileText(unsaved)), &error);
        QMetaObject::invokeMethod(this, [this, done, error] { written(done, error); });
    });
}

void Recovery::writeNow()
{
    write();
    finish();
}

void Recovery::discard()
{
    discarded_ = true;
    pause_.stop();
    finish();
    remove();
}

std::vector<UnsavedField> Recovery::found()
{
    if (!services_.files.exists(path()))
        return {};
    os::FileError readError;
    const std::optional<QByteArray> bytes = services_.files.read(path(), &readError);
    if (bytes) {
        if (auto fields = parseUnsavedFileText(text::decodeText(*bytes)))
            return *std::move(fields);
    }
    const QString aside = QDir(dataFolder_).filePath(unreadableFileName);
    os::FileError renameError;
    const bool renamed = services_.files.rename(path(), aside, &renameError);
    services_.dialogs.inform(
        u"前回保存されなかった内容を記録したファイル「%1」を読めませんでした。\n理由: %2\n"_s.arg(
            QDir::toNativeSeparators(path()),
            bytes ? u"ファイルが壊れています。"_s : readError.reason())
        + (renamed ? u"ファイルは「%1」に名前を変えて残しました。"_s.arg(
               QDir::toNativeSeparators(aside))
                   : u"名前も変えられませんでした: %1"_s.arg(renameError.reason())));
    return {};
}

void Recovery::remove()
{
    os::FileError error;
    if (services_.files.exists(path()) && !services_.files.remove(path(), &error))
        os::reportFileFailure(services_, os::FileFailure::NotDeleted, path(), error.reason());
}

void Recovery::finish() { writer_.waitForDone(); }

// The file goes, and is written again with what still differs once the command's write is done
// (at once after a field's save, a moment later after any other write).
bool Recovery::freeRoom()
{
    finish();
    os::FileError error;
    if (!services_.files.exists(path()) || !services_.files.remove(path(), &error))
        return false;
    writeSoon();
    return true;
}

QString Recovery::path() const { return QDir(dataFolder_).filePath(fileName); }

// On Windows another program that has the file open for a moment (a virus scanner, an indexer)
// keeps it from being replaced or removed: such a failure is tried again after the pause, and
// told when it happens again. A full disk stays full until something changes: it is told at once,
// and tried again at the next edit or save. Each cause is told once, until a write goes through.
void Recovery::written(bool done, const os::FileError &error)
{
    failuresInRow_ = done ? 0 : failuresInRow_ + 1;
    if (done) {
        told_.clear();
        return;
    }
    const bool full = error.cause == os::FileError::Cause::DiskFull;
    if (!full)
        writeSoon();
    if ((full || failuresInRow_ >= 2) && !told_.contains(error.cause)) {
        told_.append(error.cause);
        services_.dialogs.notify(
            u"保存されていない内容の控え「%1」を書き込めませんでした。\n理由: %2\n"
            u"入力した内容は画面にそのまま残っています。"_s.arg(QDir::toNativeSeparators(path()),
                                                                error.reason()));
    }
}

} // namespace store
