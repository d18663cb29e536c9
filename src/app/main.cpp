#include "app/form1.h"
#include "platform/browser.h"
#include "platform/clipboard.h"
#include "platform/colourdialog.h"
#include "platform/datafolder.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/japaneselook.h"
#include "platform/opendialog.h"
#include "platform/services.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillo"));
    platform::installJapaneseLook(app);

    platform::FileSystem files;
    platform::MessageBoxDialogs dialogs;
    platform::Clipboard clipboard;
    platform::DesktopBrowser browser;
    platform::QtColourDialog colourDialog;
    platform::FileOpenDialog openDialog;
    platform::Services services{
        platform::programFolder(), files, dialogs, clipboard, browser, colourDialog, openDialog};

    Form1 form(services);
    form.Form_Load();
    return QApplication::exec();
}
