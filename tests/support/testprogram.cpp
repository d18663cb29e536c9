#include "support/testprogram.h"

#include "app/form1.h"
#include "support/filecontent.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTest>

std::optional<QByteArray> FaultyFileSystem::read(const QString &path, os::FileError *error) const
{
    if (beforeRead)
        beforeRead(path);
    if (failReads) {
        *error = {os::FileError::Cause::Other, QStringLiteral("Input/output error")};
        return std::nullopt;
    }
    return FileSystem::read(path, error);
}

bool FaultyFileSystem::fails(const QSaveFile &file, Step step) const
{
    return failAt == step
           && (failOnlyFor.isEmpty() || QFileInfo(file.fileName()).fileName() == failOnlyFor);
}

bool FaultyFileSystem::openTemporary(QSaveFile &file)
{
    return !fails(file, Step::Open) && FileSystem::openTemporary(file);
}

bool FaultyFileSystem::writeBytes(QSaveFile &file, QByteArrayView bytes)
{
    if (whileWriting)
        whileWriting();
    if (!fails(file, Step::Middle))
        return FileSystem::writeBytes(file, bytes);
    // Half the bytes reach the disk, then the disk is full.
    FileSystem::writeBytes(file, bytes.first(bytes.size() / 2));
    return false;
}

bool FaultyFileSystem::commit(QSaveFile &file)
{
    if (fails(file, Step::Rename)) {
        file.cancelWriting();
        return false;
    }
    return FileSystem::commit(file);
}

namespace {

QString temporaryIn(const QString &parentFolder)
{
    return parentFolder.isEmpty() ? QDir::tempPath() + QStringLiteral("/quillo-XXXXXX")
                                  : parentFolder + QStringLiteral("/XXXXXX");
}

} // namespace

TestProgram::TestProgram(const QString &parentFolder)
    : services{QString(),  files,     dialogs, clipboard, browser,  colourDialog,
               openDialog, QString(), printer, registry,  programs, web}
    , folder_(temporaryIn(parentFolder))
    , desktop_(temporaryIn(parentFolder))
{
    services.programFolder = folder_.path();
    services.desktopFolder = desktop_.path();
}

TestProgram::~TestProgram() = default;

QString TestProgram::dataFolder() const
{
    return QDir(folder_.path()).filePath(QStringLiteral("Data"));
}

QString TestProgram::dataPath(const QString &name) const
{
    return QDir(dataFolder()).filePath(name);
}

void TestProgram::writeData(const QString &name, const QByteArray &bytes) const
{
    QDir(folder_.path()).mkpath(QStringLiteral("Data"));
    writeFile(dataPath(name), bytes);
}

QByteArray TestProgram::readData(const QString &name) const { return contentOf(dataPath(name)); }

QString TestProgram::desktopPath(const QString &name) const
{
    return QDir(desktop_.path()).filePath(name);
}

void TestProgram::stop() { form_.reset(); }

Form1 &TestProgram::start()
{
    form_ = std::make_unique<Form1>(services);
    form_->Form_Load();
    return *form_;
}
