#include "app/form1.h"
#include "app/programicon.h"
#include "platform/browser.h"
#include "platform/clipboard.h"
#include "platform/colourdialog.h"
#include "platform/datafolder.h"
#include "platform/desktopfolder.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/installation.h"
#include "platform/japaneselook.h"
#include "platform/opendialog.h"
#include "platform/printer.h"
#include "platform/programs.h"
#include "platform/registry.h"
#include "platform/services.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillo"));
    QApplication::setDesktopFileName(platform::desktopEntryId());
    QApplication::setWindowIcon(programIcon());
    platform::installJapaneseLook(app);

    platform::FileSystem files;
    platform::MessageBoxDialogs dialogs;
    platform::Clipboard clipboard;
    platform::DesktopBrowser browser;
    platform::QtColourDialog colourDialog;
    platform::FileOpenDialog openDialog;
    platform::Printer printer;
    platform::SystemRegistry registry;
    platform::Programs programs;
    platform::Services services{
        platform::programFolder(), files,   dialogs,  clipboard, browser, colourDialog, openDialog,
        platform::desktopFolder(), printer, registry, programs};

    Form1 form(services);
    form.Form_Load();
    return QApplication::exec();
}
