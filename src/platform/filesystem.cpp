#include "platform/filesystem.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

namespace platform {

namespace {

constexpr QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;

} // namespace

bool FileSystem::exists(const QString &path) const
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

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
    const bool isNew = !exists(path);
    const bool written = openTemporary(file) && (!isNew || file.setPermissions(ownerOnly))
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

bool FileSystem::openTemporary(QSaveFile &file) { return file.open(QIODevice::WriteOnly); }

bool FileSystem::writeBytes(QSaveFile &file, QByteArrayView bytes)
{
    return file.write(bytes.data(), bytes.size()) == bytes.size();
}

bool FileSystem::commit(QSaveFile &file) { return file.commit(); }

} // namespace platform
