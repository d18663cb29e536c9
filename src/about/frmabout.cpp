#include "about/frmabout.h"

#include "buildinfo.h"

#include "about/systeminformation.h"
#include "os/dialogs.h"
#include "widgets/windowlayout.h"

#include <QApplication>
#include <QShortcut>

#include <array>

namespace {

using widgets::Twips;
using widgets::twipsPerPixel;
using LabelSpec = widgets::LabelSpec<frmAbout>;
using ButtonSpec = widgets::ButtonSpec<frmAbout>;

constexpr QSize clientSize(5730 / twipsPerPixel, 2760 / twipsPerPixel);
constexpr Twips iconBox{240, 240, 540, 540};

// Captions left out are filled when the box loads.
const std::array labels{
    LabelSpec{&frmAbout::lblTitle, "lblTitle", nullptr, nullptr, 16, {1050, 150, 3000, 420}},
    LabelSpec{&frmAbout::Label1, "Label1", "for Internet BBS", nullptr, 0, {1080, 600, 3000, 240}},
    LabelSpec{&frmAbout::lblVersion, "lblVersion", nullptr, nullptr, 0, {1080, 870, 3000, 240}},
    LabelSpec{&frmAbout::lblDescription,
              "lblDescription",
              "インターネット上のＢＢＳへの書きこみのために特化した忘備録型の超簡易メモ帳です。",
              nullptr,
              0,
              {1080, 1170, 4440, 510}},
    LabelSpec{&frmAbout::Label2,
              "Label2",
              "Copyright (C) 2026 Quillo の作者",
              nullptr,
              0,
              {1080, 1680, 4440, 240}},
    LabelSpec{&frmAbout::lblDisclaimer,
              "lblDisclaimer",
              "このﾌﾟﾛｸﾞﾗﾑは著作権法により保護されています。"
              "ご使用により生じたいかなる問題についても、作者は責任を負いかねます。",
              nullptr,
              8,
              {240, 1950, 3930, 780}},
};

// OK comes first, so it has the focus.
const std::array buttons{
    ButtonSpec{
        &frmAbout::cmdOK, "cmdOK", "OK", nullptr, {4320, 1920, 1260, 345}, &frmAbout::cmdOK_Click},
    ButtonSpec{&frmAbout::cmdSysInfo,
               "cmdSysInfo",
               "ｼｽﾃﾑ情報(&S)...",
               nullptr,
               {4320, 2340, 1260, 345},
               &frmAbout::cmdSysInfo_Click},
};

QString versionText()
{
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
        .arg(QUILLO_VERSION_MAJOR)
        .arg(QUILLO_VERSION_MINOR)
        .arg(QUILLO_VERSION_PATCH);
}

} // namespace

frmAbout::frmAbout(QWidget &mainWindow, os::Services &services)
    : widgets::SecondaryWindow(mainWindow, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), clientSize)
    , services_(services)
{
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    buildLayout();
    Form_Load();
}

void frmAbout::buildLayout()
{
    picIcon = new QLabel(this);
    widgets::describe(picIcon, "picIcon", nullptr);
    widgets::place(picIcon, iconBox);
    picIcon->setPixmap(QApplication::windowIcon().pixmap(32));

    widgets::addLabels(*this, labels);
    for (const LabelSpec &entry : labels)
        (this->*entry.control)->setWordWrap(true);

    // OK is both the default and the cancel button; Enter on the other button, when that has the
    // focus, presses that one, as on any button that has the focus.
    widgets::addButtons(*this, buttons);
    cmdOK->setDefault(true);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &frmAbout::cmdOK_Click);
    cmdSysInfo->setAutoDefault(true);
    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    setWindowTitle(os::applicationTitle + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    lblVersion->setText(versionText());
    lblTitle->setText(os::applicationTitle);
    releaseMainWindow();
}

// Closing puts the main window back on top, whichever way the box is closed.
void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click() { about::StartSysInfo(services_); }
