#include "app/form1.h"
#include "app/module1.h"
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
#include "platform/singleinstance.h"
#include "platform/windowsystem.h"

#include <QApplication>
#include <QDir>

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
    const QByteArray windowSystem = platform::preferredPlatform(platform::sessionEnvironment());
    if (!windowSystem.isEmpty())
        qputenv("QT_QPA_PLATFORM", windowSystem);
    QApplication app(argc, argv);
    // The browser and the other programs started from here make their own choice.
    if (!windowSystem.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    if (const QString notice = platform::windowSystemNotice(QGuiApplication::platformName());
        !notice.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(notice));
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

    const QString dataFolder = platform::dataFolderFor(services.programFolder);
    platform::SingleInstance instance(dataFolder);
    switch (instance.claim()) {
    case platform::SingleInstance::Start::First:
        break;
    case platform::SingleInstance::Start::Handed:
        return 0;
    case platform::SingleInstance::Start::Unanswered:
        dialogs.inform(
            u"Data フォルダ「%1」を使う Quillo が既に起動していますが、応答がありません。"_s.arg(
                QDir::toNativeSeparators(dataFolder)));
        return 1;
    }

    Form1 form(services);
    form.Form_Load();
    QObject::connect(&instance, &platform::SingleInstance::frontWanted, &form,
                     [&form] { bringToFront(form); });
    return QApplication::exec();
}
