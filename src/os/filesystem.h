#pragma once

#include "os/fileerror.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QSaveFile;

namespace os {

// What writes into the Data folder in the background (the copy of what was not saved), and gives
// way to the commands' writes, which are what the user asked for.
class BackgroundWriter
{
public:
    virtual ~BackgroundWriter() = default;
    // Waits until what it has begun is written, so that a command's write has the disk to itself.
    virtual void finish() = 0;
    // A command's write found the disk full: frees the room its own file takes. True when it did,
    // and the write is worth trying again.
    virtual bool freeRoom() = 0;
};

// The program's access to files. Every write is safe: the bytes go to a temporary file beside the
// target, which then replaces the target in one rename, so a crash or a full disk never leaves a
// half-written file behind. The steps of a write are virtual so that tests can make each one fail.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Anything of that name: a file, a folder or something else.
    bool exists(const QString &path) const;
    bool isSymbolicLink(const QString &path) const;
    // An ordinary file, as a listing of the exact path would show it: not a folder, and not a
    // hidden or system file where the platform has such.
    bool isPresentFile(const QString &path) const;

    // Creates one folder that only its owner may enter (the Password lives in it in plain text).
    bool makePrivateFolder(const QString &path, QString *reason);

    virtual std::optional<QByteArray> read(const QString &path, FileError *error) const;
    // Replaces (or creates) the file with exactly these bytes; only its owner may read it, and
    // its temporary file too, from the moment it is made.
    bool write(const QString &path, QByteArrayView bytes, FileError *error);
    bool remove(const QString &path, FileError *error);
    // Gives the file another name in its folder, in place of any file of that name.
    bool rename(const QString &path, const QString &newPath, FileError *error);
    // Removes what a write of one of these files, cut off by a crash, left in the folder.
    void removeWriteLeftovers(const QString &folder, const QStringList &fileNames);

    // The background writer the commands' writes wait for and take room from; none by default.
    void setBackgroundWriter(BackgroundWriter *writer) { backgroundWriter_ = writer; }
    BackgroundWriter *backgroundWriter() const { return backgroundWriter_; }

protected:
    virtual bool openTemporary(QSaveFile &file);
    virtual bool writeBytes(QSaveFile &file, QByteArrayView bytes);
    virtual bool commit(QSaveFile &file);

private:
    BackgroundWriter *backgroundWriter_ = nullptr;
};

} // namespace os
