#include "store/form5.h"

#include "widgets/windowlayout.h"

#include <array>

namespace {

using widgets::Twips;
using ButtonSpec = widgets::ButtonSpec<Form5>;

constexpr QSize clientSize(468, 55); // 7020 by 825 twips

// One row of slot buttons, their left edges 840 twips apart.
constexpr Twips slotButton(int slot)
{
    return {120 + (slot - 1) * 840, 420, widgets::wideButtonWidth, widgets::rowHeight};
}

constexpr std::array labels{
    widgets::LabelSpec<Form5>{&Form5::Label1,
                              "Label1",
                              "登録する場所を選択してください。",
                              nullptr,
                              0,
                              {120, 90, 4500, 255}},
};

constexpr std::array buttons{
    ButtonSpec{&Form5::Command1, "Command1", "1", nullptr, slotButton(1), &Form5::Command1_Click},
    ButtonSpec{&Form5::Command2, "Command2", "2", nullptr, slotButton(2), &Form5::Command2_Click},
    ButtonSpec{&Form5::Command3, "Command3", "3", nullptr, slotButton(3), &Form5::Command3_Click},
    ButtonSpec{&Form5::Command4, "Command4", "4", nullptr, slotButton(4), &Form5::Command4_Click},
    ButtonSpec{&Form5::Command5, "Command5", "5", nullptr, slotButton(5), &Form5::Command5_Click},
    ButtonSpec{&Form5::Command6, "Command6", "6", nullptr, slotButton(6), &Form5::Command6_Click},
    ButtonSpec{&Form5::Command7, "Command7", "7", nullptr, slotButton(7), &Form5::Command7_Click},
    ButtonSpec{&Form5::Command8, "Command8", "8", nullptr, slotButton(8), &Form5::Command8_Click},
    ButtonSpec{&Form5::Command9,
               "Command9",
               "Close",
               nullptr,
               {6000, 30, 855, 330},
               &Form5::Command9_Click},
};

} // namespace

Form5::Form5(QWidget &mainWindow, store::SnapshotSlots snapshotSlots)
    : widgets::SecondaryWindow(mainWindow, QStringLiteral("All Save 拡張 "), clientSize)
    , slots_(std::move(snapshotSlots))
{
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    widgets::addLabels(*this, labels);
    widgets::addButtons(*this, buttons);
    Form_Load();
}

void Form5::Form_Load() { releaseMainWindow(); }

void Form5::Command1_Click() { slots_.save(1); }
void Form5::Command2_Click() { slots_.save(2); }
void Form5::Command3_Click() { slots_.save(3); }
void Form5::Command4_Click() { slots_.save(4); }
void Form5::Command5_Click() { slots_.save(5); }
void Form5::Command6_Click() { slots_.save(6); }
void Form5::Command7_Click() { slots_.save(7); }
void Form5::Command8_Click() { slots_.save(8); }

// Closing puts the main window back on top (SecondaryWindow), by this button or the title bar.
void Form5::Command9_Click() { close(); }
