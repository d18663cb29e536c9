#include "os/filesystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

namespace os {

namespace {

constexpr QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;

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

std::optional<QByteArray> FileSystem::read(const QString &path, QString *reason) const
{
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        *reason = QStringLiteral("普通のファイルではありません。");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

bool FileSystem::write(const QString &path, QByteArrayView bytes, QString *reason)
{
    QSaveFile file(path);
    const bool written = openTemporary(file) && file.setPermissions(ownerOnly)
                         && writeBytes(file, bytes) && commit(file);
    if (!written) {
        *reason = file.errorString();
        file.cancelWriting();
    }
    return written;
}

bool FileSystem::remove(const QString &path, QString *reason)
{
    QFile file(path);
    if (file.remove())
        return true;
    *reason = file.errorString();
    return false;
}

bool FileSystem::rename(const QString &path, const QString &newPath, QString *reason)
{
    QFile file(path);
    if ((!QFile::exists(newPath) || QFile::remove(newPath)) && file.rename(newPath))
        return true;
    *reason = file.errorString();
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
