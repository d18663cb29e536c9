#pragma once

#include "store/snapshotslots.h"
#include "widgets/secondarywindow.h"

class QLabel;
class QPushButton;

// The slot chooser ("All Save 拡張 "): saves the main window's seven fields into one of the eight
// snapshot slots. It keeps nothing of its own; the fields are read when a slot button is clicked.
class Form5 final : public widgets::SecondaryWindow
{
    Q_OBJECT

public:
    Form5(QWidget &mainWindow, store::SnapshotSlots snapshotSlots);

    void Form_Load();
    // Save into slots 1 to 8.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click(); // Close

    QLabel *Label1{};
    QPushButton *Command1{}, *Command2{}, *Command3{}, *Command4{}, *Command5{}, *Command6{},
        *Command7{}, *Command8{}, *Command9{};

private:
    store::SnapshotSlots slots_;
};
