#pragma once

#include "os/clipboard.h"
#include "os/filesystem.h"
#include "os/services.h"
#include "support/fakeprograms.h"
#include "support/fakeregistry.h"
#include "support/pdfprinter.h"
#include "support/recordingbrowser.h"
#include "support/scriptedcolourdialog.h"
#include "support/scripteddialogs.h"
#include "support/scriptedfetch.h"
#include "support/scriptedopendialog.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class Form1;

// A file system whose safe writes fail on request at one of their steps.
class FaultyFileSystem : public os::FileSystem
{
public:
    enum class Step { None, Open, Middle, Rename };
    Step failAt = Step::None;
    QString failOnlyFor; // the file name whose writes fail; any file when empty
    bool failReads = false;
    std::function<void(const QString &path)> beforeRead; // runs as a read starts
    std::function<void()> whileWriting; // runs as the bytes of a write go to its temporary file

    std::optional<QByteArray> read(const QString &path, os::FileError *error) const override;

protected:
    bool fails(const QSaveFile &file, Step step) const;
    bool openTemporary(QSaveFile &file) override;
    bool writeBytes(QSaveFile &file, QByteArrayView bytes) override;
    bool commit(QSaveFile &file) override;
};

// A program folder of its own in a temporary directory, with scripted dialogs, a desktop of its
// own, a PDF printer, a registry and programs that are only recorded.
class TestProgram
{
public:
    // The program folder and the desktop in a temporary folder of their own, or in parentFolder.
    explicit TestProgram(const QString &parentFolder = {});
    ~TestProgram();

    QString programFolder() const { return folder_.path(); }
    QString dataFolder() const;
    QString dataPath(const QString &name) const;
    void writeData(const QString &name, const QByteArray &bytes) const;
    QByteArray readData(const QString &name) const;
    QString desktopPath(const QString &name) const;

    // The main window on this folder, started as the program starts it.
    Form1 &start();
    Form1 &form() { return *form_; }
    // The program gone, as if killed, once what it was writing in the background is written: the
    // Data folder holds still for the test to read.
    void stop();

    FaultyFileSystem files;
    ScriptedDialogs dialogs;
    os::Clipboard clipboard; // the real one: in-process under the offscreen platform
    RecordingBrowser browser;
    ScriptedColourDialog colourDialog;
    ScriptedOpenDialog openDialog;
    PdfPrinter printer;
    FakeRegistry registry;
    FakePrograms programs;
    ScriptedFetch web;
    os::Services services;

private:
    QTemporaryDir folder_;
    QTemporaryDir desktop_;
    std::unique_ptr<Form1> form_;
};
