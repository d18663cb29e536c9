#pragma once

#include "widgets/secondarywindow.h"

class QLabel;
class QPushButton;

namespace os {
struct Services;
}

// The about box: the program's title, version and description, and the way to the system's
// information tool. Opened from the main window's "Pass" label; while it is open the main window
// is out of the always-on-top layer. OK, Enter, Esc and the title bar's close box all close it
// and put the main window back on top.
class frmAbout : public widgets::SecondaryWindow
{
    Q_OBJECT

public:
    frmAbout(QWidget &mainWindow, os::Services &services);

    void cmdOK_Click();
    void cmdSysInfo_Click();

    QLabel *picIcon{}, *lblTitle{}, *Label1{}, *lblVersion{}, *lblDescription{}, *Label2{},
        *lblDisclaimer{};
    QPushButton *cmdOK{}, *cmdSysInfo{};

private:
    void buildLayout();
    // Fills the texts of the program's title and version and takes the main window off the top.
    void Form_Load();

    os::Services &services_;
};
