#include "about/frmabout.h"

#include "about/systeminformation.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include <array>

namespace {

constexpr QSize clientSize(382, 184); // 5730 by 2760 twips

struct LabelSpec
{
    QLabel *frmAbout::*control;
    const char *name;
    const char *text; // null: filled when the box loads
    QRect at;
    double points; // 0: the window's own font
};

const std::array labels{
    LabelSpec{&frmAbout::lblTitle, "lblTitle", nullptr, {70, 10, 200, 28}, 16},
    LabelSpec{&frmAbout::Label1, "Label1", "for Internet BBS", {72, 40, 200, 16}, 0},
    LabelSpec{&frmAbout::lblVersion, "lblVersion", nullptr, {72, 58, 200, 16}, 0},
    LabelSpec{&frmAbout::lblDescription,
              "lblDescription",
              "インターネット上のＢＢＳへの書きこみのために特化した忘備録型の超簡易メモ帳です。",
              {72, 78, 296, 34},
              0},
    LabelSpec{
        &frmAbout::Label2, "Label2", "Copyright (C) 2025 Quillo の作者", {72, 112, 296, 16}, 0},
    LabelSpec{&frmAbout::lblDisclaimer,
              "lblDisclaimer",
              "このﾌﾟﾛｸﾞﾗﾑは著作権法により保護されています。"
              "ご使用により生じたいかなる問題についても、作者は責任を負いかねます。",
              {16, 130, 262, 52},
              8},
};

QString versionText()
{
    return QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
        .arg(QUILLO_VERSION_MAJOR)
        .arg(QUILLO_VERSION_MINOR)
        .arg(QUILLO_VERSION_PATCH);
}

} // namespace

frmAbout::frmAbout(QWidget &mainWindow, platform::Services &services)
    : SecondaryWindow(mainWindow, QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), clientSize)
    , services_(services)
{
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    buildLayout();
    Form_Load();
}

void frmAbout::buildLayout()
{
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(16, 16, 36, 36);
    picIcon->setPixmap(QApplication::windowIcon().pixmap(32));

    for (const LabelSpec &spec : labels) {
        auto *label = new QLabel(spec.text ? QString::fromUtf8(spec.text) : QString(), this);
        label->setObjectName(QString::fromLatin1(spec.name));
        label->setGeometry(spec.at);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        if (spec.points > 0) {
            QFont font = label->font();
            font.setPointSizeF(spec.points);
            label->setFont(font);
        }
        this->*spec.control = label;
    }

    // OK is both the default and the cancel button. It comes first, so it has the focus; Enter
    // on the other button presses that one, as on any button that has the focus.
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(288, 128, 84, 23);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &frmAbout::cmdOK_Click);

    cmdSysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(288, 156, 84, 23);
    cmdSysInfo->setAutoDefault(true);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    cmdOK->setFocus();
}

void frmAbout::Form_Load()
{
    setWindowTitle(platform::applicationTitle + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    lblVersion->setText(versionText());
    lblTitle->setText(platform::applicationTitle);
    releaseMainWindow();
}

// Closing puts the main window back on top, whichever way the box is closed.
void frmAbout::cmdOK_Click() { close(); }

void frmAbout::cmdSysInfo_Click() { about::StartSysInfo(services_); }
