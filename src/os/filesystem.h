#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QSaveFile;

namespace os {

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

    virtual std::optional<QByteArray> read(const QString &path, QString *reason) const;
    // Replaces (or creates) the file with exactly these bytes, then only its owner may read it.
    bool write(const QString &path, QByteArrayView bytes, QString *reason);
    bool remove(const QString &path, QString *reason);
    // Gives the file another name in its folder, in place of any file of that name.
    bool rename(const QString &path, const QString &newPath, QString *reason);
    // Removes what a write of one of these files, cut off by a crash, left in the folder.
    void removeWriteLeftovers(const QString &folder, const QStringList &fileNames);

protected:
    virtual bool openTemporary(QSaveFile &file);
    virtual bool writeBytes(QSaveFile &file, QByteArrayView bytes);
    virtual bool commit(QSaveFile &file);
};

} // namespace os
