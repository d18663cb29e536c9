// An aux memo window's controls as data, in twips: one row of 420 twips a field, the label at
// the left edge, the text box, then its Save and Clip buttons; below these two columns the
// bulk commands, each as wide as both.

#include "store/auxmemoform.h"

#include "widgets/windowlayout.h"

#include <array>

namespace {

using widgets::Twips;
using LineBoxSpec = widgets::TextBoxSpec<AuxMemoForm, QLineEdit>;
using LabelSpec = widgets::LabelSpec<AuxMemoForm>;
using ButtonSpec = widgets::ButtonSpec<AuxMemoForm>;

using widgets::rowHeight;
constexpr int boxLeft = 480;
constexpr int boxWidth = 6765;
constexpr int saveLeft = 7305;
constexpr int clipLeft = 7965;
constexpr int narrowWidth = widgets::buttonWidth;
constexpr int wideWidth = clipLeft + narrowWidth - saveLeft;
constexpr double labelPoints = 12;

constexpr int rowTop(int row) { return 120 + (row - 1) * 420; }
constexpr Twips lineBox(int row) { return {boxLeft, rowTop(row), boxWidth, rowHeight}; }
constexpr Twips label(int row) { return {120, rowTop(row), 330, rowHeight}; }
constexpr Twips save(int row) { return {saveLeft, rowTop(row), narrowWidth, rowHeight}; }
constexpr Twips clip(int row) { return {clipLeft, rowTop(row), narrowWidth, rowHeight}; }
// The bulk commands take the rows after the seventh.
constexpr Twips wide(int row) { return {saveLeft, rowTop(row), wideWidth, rowHeight}; }

// Field Ⅶ comes first in the focus order, so it has the focus when the window opens.
constexpr widgets::TextBoxSpec<AuxMemoForm, QPlainTextEdit> memoBox{
    &AuxMemoForm::Text7,
    "Text7",
    {boxLeft, rowTop(7), boxWidth, 2415},
    &AuxMemoForm::Text7_DblClick};
constexpr std::array lineBoxes{
    LineBoxSpec{&AuxMemoForm::Text1, "Text1", lineBox(1), &AuxMemoForm::Text1_DblClick},
    LineBoxSpec{&AuxMemoForm::Text2, "Text2", lineBox(2), &AuxMemoForm::Text2_DblClick},
    LineBoxSpec{&AuxMemoForm::Text3, "Text3", lineBox(3), &AuxMemoForm::Text3_DblClick},
    LineBoxSpec{&AuxMemoForm::Text4, "Text4", lineBox(4), &AuxMemoForm::Text4_DblClick},
    LineBoxSpec{&AuxMemoForm::Text5, "Text5", lineBox(5), &AuxMemoForm::Text5_DblClick},
    LineBoxSpec{&AuxMemoForm::Text6, "Text6", lineBox(6), &AuxMemoForm::Text6_DblClick},
};

// Each label heads the text box of its row, which screen readers name after it.
constexpr LabelSpec heading(QLabel *AuxMemoForm::*control, const char *name, const char *numeral,
                            int row, const char *box)
{
    return {control, name, numeral, nullptr, labelPoints, label(row), nullptr, box};
}

constexpr std::array labels{
    heading(&AuxMemoForm::Label1, "Label1", "Ⅰ", 1, "Text1"),
    heading(&AuxMemoForm::Label2, "Label2", "Ⅱ", 2, "Text2"),
    heading(&AuxMemoForm::Label3, "Label3", "Ⅲ", 3, "Text3"),
    heading(&AuxMemoForm::Label4, "Label4", "Ⅳ", 4, "Text4"),
    heading(&AuxMemoForm::Label5, "Label5", "Ⅴ", 5, "Text5"),
    heading(&AuxMemoForm::Label6, "Label6", "Ⅵ", 6, "Text6"),
    heading(&AuxMemoForm::Label7, "Label7", "Ⅶ", 7, "Text7"),
};

constexpr std::array buttons{
    ButtonSpec{&AuxMemoForm::Command1, "Command1", "Save", nullptr, save(1),
               &AuxMemoForm::Command1_Click},
    ButtonSpec{&AuxMemoForm::Command8, "Command8", "Clip", nullptr, clip(1),
               &AuxMemoForm::Command8_Click},
    ButtonSpec{&AuxMemoForm::Command2, "Command2", "Save", nullptr, save(2),
               &AuxMemoForm::Command2_Click},
    ButtonSpec{&AuxMemoForm::Command9, "Command9", "Clip", nullptr, clip(2),
               &AuxMemoForm::Command9_Click},
    ButtonSpec{&AuxMemoForm::Command3, "Command3", "Save", nullptr, save(3),
               &AuxMemoForm::Command3_Click},
    ButtonSpec{&AuxMemoForm::Command10, "Command10", "Clip", nullptr, clip(3),
               &AuxMemoForm::Command10_Click},
    ButtonSpec{&AuxMemoForm::Command4, "Command4", "Save", nullptr, save(4),
               &AuxMemoForm::Command4_Click},
    ButtonSpec{&AuxMemoForm::Command11, "Command11", "Clip", nullptr, clip(4),
               &AuxMemoForm::Command11_Click},
    ButtonSpec{&AuxMemoForm::Command5, "Command5", "Save", nullptr, save(5),
               &AuxMemoForm::Command5_Click},
    ButtonSpec{&AuxMemoForm::Command12, "Command12", "Clip", nullptr, clip(5),
               &AuxMemoForm::Command12_Click},
    ButtonSpec{&AuxMemoForm::Command6, "Command6", "Save", nullptr, save(6),
               &AuxMemoForm::Command6_Click},
    ButtonSpec{&AuxMemoForm::Command13, "Command13", "Clip", nullptr, clip(6),
               &AuxMemoForm::Command13_Click},
    ButtonSpec{&AuxMemoForm::Command7, "Command7", "Save", nullptr, save(7),
               &AuxMemoForm::Command7_Click},
    ButtonSpec{&AuxMemoForm::Command14, "Command14", "Clip", nullptr, clip(7),
               &AuxMemoForm::Command14_Click},
    ButtonSpec{&AuxMemoForm::Command18, "Command18", "New", nullptr, wide(8),
               &AuxMemoForm::Command18_Click},
    ButtonSpec{&AuxMemoForm::Command19, "Command19", "Re Load", nullptr, wide(9),
               &AuxMemoForm::Command19_Click},
    ButtonSpec{&AuxMemoForm::Command15, "Command15", "All Del", nullptr, wide(10),
               &AuxMemoForm::Command15_Click},
    ButtonSpec{&AuxMemoForm::Command16, "Command16", "All Save", nullptr, wide(11),
               &AuxMemoForm::Command16_Click},
    ButtonSpec{&AuxMemoForm::Command17, "Command17", "End", nullptr, wide(12),
               &AuxMemoForm::Command17_Click},
};

} // namespace

void AuxMemoForm::buildLayout()
{
    widgets::addTextBox(*this, memoBox);
    for (const LineBoxSpec &entry : lineBoxes)
        widgets::addTextBox(*this, entry);
    widgets::addLabels(*this, labels);
    widgets::addButtons(*this, buttons);
}
