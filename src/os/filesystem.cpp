#include "os/filesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

namespace os {

namespace {

constexpr QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                      | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

// A safe write's temporary file starts with the mode of the file it replaces: a file others may
// read (copied in by hand, say) is closed to them first, so that its new bytes never are, not for
// a moment. Only the others' rights go: a file the user made read-only stays so.
void closeToOthers(const QString &path)
{
    const QFile::Permissions permissions = QFile::permissions(path);
    if (permissions & others)
        QFile::setPermissions(path, permissions & ~others);
}

// A safe write's temporary file is the target's name, a dot and six random ASCII letters. A suffix
// that reads like a word (backup, BACKUP, Backup) is taken for a copy the user named so.
bool isWriteLeftover(QStringView name, const QStringList &fileNames)
{
    constexpr qsizetype suffixSize = 6;
    if (name.size() <= suffixSize + 1 || name[name.size() - suffixSize - 1] != u'.')
        return false;
    if (!fileNames.contains(name.first(name.size() - suffixSize - 1)))
        return false;
    const QStringView suffix = name.last(suffixSize);
    qsizetype upper = 0;
    for (const QChar c : suffix) {
        if (c >= u'A' && c <= u'Z')
            ++upper;
        else if (c < u'a' || c > u'z')
            return false;
    }
    const bool capitalised = upper == 1 && suffix[0] <= u'Z';
    return upper > 0 && upper < suffixSize && !capitalised;
}

} // namespace

bool FileSystem::exists(const QString &path) const
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool FileSystem::isSymbolicLink(const QString &path) const { return QFileInfo(path).isSymLink(); }

bool FileSystem::isPresentFile(const QString &path) const
{
    const QFileInfo info(path);
#ifdef Q_OS_WIN
    if (info.isHidden())
        return false;
#endif
    return info.isFile();
}

bool FileSystem::makePrivateFolder(const QString &path, QString *reason)
{
    namespace fs = std::filesystem;
    const fs::path folder(path.toStdWString());
    std::error_code error;
    if (!fs::create_directory(folder, error) && !error)
        error = std::make_error_code(std::errc::file_exists);
    if (error) {
        *reason = QString::fromStdString(error.message());
        return false;
    }
    fs::permissions(folder, fs::perms::owner_all, error); // best effort where modes mean nothing
    return true;
}

std::optional<QByteArray> FileSystem::read(const QString &path, FileError *error) const
{
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        *error = {FileError::Cause::Other, QStringLiteral("普通のファイルではありません。")};
        return std::nullopt;
    }
    QFile file(path);
    clearLastFileError();
    if (!file.open(QIODevice::ReadOnly)) {
        *error = lastFileErrorOr(file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = lastFileErrorOr(file.errorString());
        return std::nullopt;
    }
    return bytes;
}

// Each step's error is read right after it: what follows a failure (the temporary file removed)
// calls the system again.
bool FileSystem::write(const QString &path, QByteArrayView bytes, FileError *error)
{
    closeToOthers(path);
    QSaveFile file(path);
    clearLastFileError();
    const bool written = openTemporary(file) && file.setPermissions(ownerOnly)
                         && writeBytes(file, bytes) && commit(file);
    if (!written) {
        *error = lastFileErrorOr(file.errorString());
        file.cancelWriting();
    }
    return written;
}

bool FileSystem::remove(const QString &path, FileError *error)
{
    QFile file(path);
    clearLastFileError();
    if (file.remove())
        return true;
    *error = lastFileErrorOr(file.errorString());
    return false;
}

bool FileSystem::rename(const QString &path, const QString &newPath, FileError *error)
{
    QFile file(path);
    clearLastFileError();
    if ((!QFile::exists(newPath) || QFile::remove(newPath)) && file.rename(newPath))
        return true;
    *error = lastFileErrorOr(file.errorString());
    return false;
}

void FileSystem::removeWriteLeftovers(const QString &folder, const QStringList &fileNames)
{
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (isWriteLeftover(name, fileNames))
            QFile::remove(dir.filePath(name));
    }
}

bool FileSystem::openTemporary(QSaveFile &file) { return file.open(QIODevice::WriteOnly); }

bool FileSystem::writeBytes(QSaveFile &file, QByteArrayView bytes)
{
    return file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush();
}

bool FileSystem::commit(QSaveFile &file) { return file.commit(); }

} // namespace os
