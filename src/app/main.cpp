#include "app/form1.h"
#include "app/module1.h"
#include "app/programicon.h"
#include "os/browser.h"
#include "os/clipboard.h"
#include "os/colourdialog.h"
#include "os/datafolder.h"
#include "os/desktopfolder.h"
#include "os/dialogs.h"
#include "os/filesystem.h"
#include "os/inputmethod.h"
#include "os/installation.h"
#include "os/japaneselook.h"
#include "os/opendialog.h"
#include "os/printer.h"
#include "os/programs.h"
#include "os/registry.h"
#include "os/services.h"
#include "os/singleinstance.h"
#include "os/webfetch.h"
#include "os/windowsystem.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Asked for by a later start: the main window restored, in front and back in the always-on-top
// layer, where a secondary window may have taken it out.
void bringToFront(Form1 &form)
{
    form.showNormal();
    form.raise();
    form.activateWindow();
    Module1::SetTopmost(form, 1);
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray windowSystem = os::preferredPlatform(os::sessionEnvironment());
    if (!windowSystem.isEmpty())
        qputenv("QT_QPA_PLATFORM", windowSystem);
    QApplication app(argc, argv);
    // The browser and the other programs started from here make their own choice.
    if (!windowSystem.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    if (const QString notice = os::windowSystemNotice(QGuiApplication::platformName());
        !notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(notice));
    // On X11 Qt reaches the input method only through a module of its own.
    if (QGuiApplication::platformName() == u"xcb") {
        if (const QString notice =
                os::inputMethodNotice(os::inputMethodEnvironment(), os::qtInputMethodModules());
            !notice.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(notice));
    }
    QApplication::setApplicationName(QStringLiteral("Quillo"));
    QApplication::setDesktopFileName(os::desktopEntryId());
    QApplication::setWindowIcon(programIcon());
    os::installJapaneseLook(app);

    os::FileSystem files;
    os::MessageBoxDialogs dialogs;
    os::Clipboard clipboard;
    os::DesktopBrowser browser;
    os::QtColourDialog colourDialog;
    os::FileOpenDialog openDialog;
    os::Printer printer;
    os::SystemRegistry registry;
    os::Programs programs;
    os::NetworkFetch web;
    os::Services services{
        os::programFolder(), files,   dialogs,  clipboard, browser, colourDialog, openDialog,
        os::desktopFolder(), printer, registry, programs,  web};

    const QString dataFolder = os::dataFolderFor(services.programFolder);
    os::SingleInstance instance(dataFolder);
    switch (instance.claim()) {
    case os::SingleInstance::Start::First:
        break;
    case os::SingleInstance::Start::Handed:
        return 0;
    case os::SingleInstance::Start::Unanswered:
        dialogs.inform(
            u"Data フォルダ「%1」を使う Quillo が既に起動していますが、応答がありません。"_s.arg(
                QDir::toNativeSeparators(dataFolder)));
        return 1;
    }

    Form1 form(services);
    form.Form_Load();
    QObject::connect(&instance, &os::SingleInstance::frontWanted, &form,
                     [&form] { bringToFront(form); });
    // The session manager of X11, and Windows with its end-of-session messages, ask here before
    // the session ends.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager &) { form.endOfSession(); });
    return QApplication::exec();
}
