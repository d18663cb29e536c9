// Saves a large Comment the way the program does, into the Data folder of the program folder it is
// given, and stops for good in the middle of the data or just before the final rename, saying
// "waiting" on its output, so that the test can kill it there.

#include "app/form1.h"
#include "os/filesystem.h"
#include "support/testprogram.h"
#include "support/testsystem.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QSaveFile>

#include <cstdio>

namespace {

[[noreturn]] void waitToBeKilled(QSaveFile &file)
{
    file.flush();
    std::fputs("waiting\n", stdout);
    std::fflush(stdout);
    waitToBeKilledForever();
}

class StoppingFileSystem final : public os::FileSystem
{
public:
    QString stopAt;

protected:
    bool writeBytes(QSaveFile &file, QByteArrayView bytes) override
    {
        if (stopAt != QLatin1String("middle"))
            return FileSystem::writeBytes(file, bytes);
        FileSystem::writeBytes(file, bytes.first(bytes.size() / 2));
        waitToBeKilled(file);
    }

    bool commit(QSaveFile &file) override
    {
        if (stopAt == QLatin1String("rename"))
            waitToBeKilled(file);
        return FileSystem::commit(file);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 4)
        return 2;
    StoppingFileSystem files;
    files.stopAt = QString::fromLocal8Bit(argv[2]);
    TestProgram doubles; // its dialogs, clipboard and the rest; the folder is the one given
    os::Services services{QString::fromLocal8Bit(argv[1]),
                          files,
                          doubles.dialogs,
                          doubles.clipboard,
                          doubles.browser,
                          doubles.colourDialog,
                          doubles.openDialog,
                          doubles.services.desktopFolder,
                          doubles.printer,
                          doubles.registry,
                          doubles.programs,
                          doubles.web};
    Form1 form(services);
    form.Form_Load();
    const QString line = QString(78, QChar(u'新')) + QLatin1String("\r\n");
    form.Text7->setPlainText(line.repeated(QString::fromLocal8Bit(argv[3]).toInt()));
    form.Command7_Click();
    return 0;
}
