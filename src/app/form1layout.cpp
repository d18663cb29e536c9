// The main window's controls as data: every control with its caption, tooltip and place, in
// twips as the layout gives them.

#include "app/form1.h"

#include "os/japaneselook.h"
#include "widgets/filedrop.h"
#include "widgets/windowlayout.h"

#include <QFrame>
#include <QListWidget>
#include <QRadioButton>

#include <array>

namespace {

using widgets::describe;
using widgets::japaneseFont;
using widgets::place;
using widgets::Twips;
using widgets::twipsPerPixel;
using TextBoxSpec = widgets::TextBoxSpec<Form1, QLineEdit>;
using LabelSpec = widgets::LabelSpec<Form1>;
using ButtonSpec = widgets::ButtonSpec<Form1>;

using widgets::buttonWidth;
constexpr int buttonHeight = widgets::rowHeight;
constexpr int wideButton = widgets::wideButtonWidth;
constexpr int fieldHeight = widgets::rowHeight;
constexpr int optionHeight = 225;
constexpr double windowPoints = 8.25;
constexpr double labelPoints = 11.25;
constexpr double largeLabelPoints = 12;

// Keyboard focus order: Title, Comment, Name, Mail, ID, Home Page, Password. Title, first, has the
// focus when the window opens; the Comment, second, is made apart as the one multi-line field.
constexpr TextBoxSpec titleBox{
    &Form1::Text6, "Text6", {825, 1365, 6030, fieldHeight}, &Form1::Text6_DblClick};
constexpr widgets::TextBoxSpec<Form1, QPlainTextEdit> commentBox{
    &Form1::Text7, "Text7", {765, 2175, 8505, 3465}, &Form1::Text7_DblClick};
constexpr double commentPoints = 9.75;
constexpr std::array otherLineBoxes{
    TextBoxSpec{&Form1::Text1, "Text1", {825, 105, 2565, fieldHeight}, &Form1::Text1_DblClick},
    TextBoxSpec{&Form1::Text2, "Text2", {825, 510, 2550, fieldHeight}, &Form1::Text2_DblClick},
    TextBoxSpec{&Form1::Text3, "Text3", {5460, 90, 1410, fieldHeight}, &Form1::Text3_DblClick},
    TextBoxSpec{&Form1::Text5, "Text5", {825, 930, 6030, fieldHeight}, &Form1::Text5_DblClick},
    TextBoxSpec{&Form1::Text4, "Text4", {5460, 510, 1410, fieldHeight}, &Form1::Text4_DblClick},
};

// Labels are as high as the fields beside them.
constexpr Twips labelBox(int left, int top, int width, int height = fieldHeight)
{
    return {left, top, width, height};
}

constexpr std::array labels{
    LabelSpec{&Form1::Label1, "Label1", "Name", nullptr, labelPoints, labelBox(195, 90, 600),
              &Form1::Label1_Click, "Text1"},
    LabelSpec{&Form1::Label2, "Label2", "Mail", nullptr, labelPoints, labelBox(195, 510, 600),
              &Form1::Label2_Click, "Text2"},
    LabelSpec{&Form1::Label3, "Label3", "ID", nullptr, labelPoints, labelBox(5025, 150, 405),
              &Form1::Label3_Click, "Text3"},
    LabelSpec{&Form1::Label4, "Label4", "Pass", "Click Me!!", labelPoints, labelBox(4920, 510, 510),
              &Form1::Label4_Click, "Text4"},
    LabelSpec{&Form1::Label5, "Label5", "Home", nullptr, labelPoints, labelBox(195, 930, 600),
              &Form1::Label5_Click, "Text5"},
    LabelSpec{&Form1::Label6, "Label6", "Title", nullptr, largeLabelPoints,
              labelBox(180, 1380, 615), &Form1::Label6_Click, "Text6"},
    LabelSpec{&Form1::Label7, "Label7", "Comm.", nullptr, largeLabelPoints,
              labelBox(195, 1830, 825), &Form1::Label7_Click, "Text7"},
    LabelSpec{&Form1::Label8, "Label8", "Screen Font Size", nullptr, 0,
              labelBox(5025, 5655, 1335, optionHeight), nullptr},
    LabelSpec{&Form1::Label9, "Label9", "Screen Font Name", nullptr, 0,
              labelBox(2025, 5655, 1425, optionHeight), nullptr},
};

constexpr Twips button(int left, int top, int width = buttonWidth)
{
    return {left, top, width, buttonHeight};
}
constexpr Twips slotButton(int top) { return {9285, top, 195, 390}; }

// Field rows (Save, then Clip), the column of bulk commands, the tool row, the left column of
// tag builders and the right column of snapshot slots.
const std::array buttons{
    ButtonSpec{&Form1::Command1, "Command1", "Save", "Name保存", button(3450, 90),
               &Form1::Command1_Click},
    ButtonSpec{&Form1::Command11, "Command11", "Clip", "Name をｸﾘｯﾌﾟﾎﾞｰﾄﾞ転送", button(4185, 90),
               &Form1::Command11_Click},
    ButtonSpec{&Form1::Command3, "Command3", "Save", "ＩＤ を保存", button(6915, 90),
               &Form1::Command3_Click},
    ButtonSpec{&Form1::Command13, "Command13", "Clip", "ID をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送", button(7650, 90),
               &Form1::Command13_Click},
    ButtonSpec{&Form1::Command9, "Command9", "New", "すべての項目を空にする",
               button(8490, 90, wideButton), &Form1::Command9_Click},
    ButtonSpec{&Form1::Command2, "Command2", "Save", "Ｍａｉｌ 保存", button(3450, 510),
               &Form1::Command2_Click},
    ButtonSpec{&Form1::Command12, "Command12", "Clip", "Mail をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送", button(4185, 510),
               &Form1::Command12_Click},
    ButtonSpec{&Form1::Command4, "Command4", "Save", "Password を保存", button(6915, 510),
               &Form1::Command4_Click},
    ButtonSpec{&Form1::Command14, "Command14", "Clip", "Password をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送",
               button(7650, 510), &Form1::Command14_Click},
    ButtonSpec{&Form1::Command8, "Command8", "Re Load", "最後に Save された状態に戻す",
               button(8490, 510, wideButton), &Form1::Command8_Click},
    ButtonSpec{&Form1::Command5, "Command5", "Save", "Home Page を保存", button(6915, 930),
               &Form1::Command5_Click},
    ButtonSpec{&Form1::Command15, "Command15", "Clip", "Home Page をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送",
               button(7650, 930), &Form1::Command15_Click},
    ButtonSpec{&Form1::Command22, "Command22", "All Del", "全消去", button(8490, 930, wideButton),
               &Form1::Command22_Click},
    ButtonSpec{&Form1::Command6, "Command6", "Save", "Title を保存", button(6915, 1350),
               &Form1::Command6_Click},
    ButtonSpec{&Form1::Command16, "Command16", "Clip", "Title をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送",
               button(7650, 1350), &Form1::Command16_Click},
    ButtonSpec{&Form1::Command23, "Command23", "All Save", "全保存", button(8490, 1350, wideButton),
               &Form1::Command23_Click},
    ButtonSpec{&Form1::Command10, "Command10", "http", "URL に http:// を付ける",
               button(1035, 1770), &Form1::Command10_Click},
    ButtonSpec{&Form1::Command18, "Command18", "Re:", "Title に Re: を付ける", button(1770, 1770),
               &Form1::Command18_Click},
    ButtonSpec{&Form1::Command24, "Command24", "mailto", "Mail に mailto: を付ける",
               button(2505, 1770), &Form1::Command24_Click},
    ButtonSpec{&Form1::Command20, "Command20", ">",
               "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの文字列に引用符を付けてｸﾘｯﾌﾟﾎﾞｰﾄﾞに戻す", button(3240, 1770),
               &Form1::Command20_Click},
    ButtonSpec{&Form1::Command19, "Command19", ">Set", "使用する引用符を変更", button(3975, 1770),
               &Form1::Command19_Click},
    ButtonSpec{&Form1::Command25, "Command25", "Aux", "Aux memo (忘備録１）", button(4710, 1770),
               &Form1::Command25_Click},
    ButtonSpec{&Form1::Command26, "Command26", "Aux2", "Aux memo2 （忘備録２）", button(5445, 1770),
               &Form1::Command26_Click},
    ButtonSpec{&Form1::Command32, "Command32", "O-put",
               "Comment に名前をつけてﾃﾞｽｸﾄｯﾌﾟにﾌｧｲﾙ出力します。", button(6180, 1770),
               &Form1::Command32_Click},
    ButtonSpec{&Form1::Command7, "Command7", "Save", "Comment を保存", button(6915, 1770),
               &Form1::Command7_Click},
    ButtonSpec{&Form1::Command17, "Command17", "Clip", "Comment をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送",
               button(7650, 1770), &Form1::Command17_Click},
    ButtonSpec{&Form1::Command21, "Command21", "End", "終了", button(8490, 1770, wideButton),
               &Form1::Command21_Click},
    ButtonSpec{&Form1::Command28, "Command28", "Link", "HTML Tag ( Link Page ) を書き出す",
               button(90, 2295), &Form1::Command28_Click},
    ButtonSpec{&Form1::Command31, "Command31", "mail", "HTML Tag ( Mail Address) を書き出す",
               button(90, 2715), &Form1::Command31_Click},
    ButtonSpec{&Form1::Command29, "Command29", "Image", "HTML Tag (Image Link) を書き出す",
               button(90, 3135), &Form1::Command29_Click},
    ButtonSpec{&Form1::Command30, "Command30", "Font",
               "HTML Tag (Font size & Color)をｸﾘｯﾌﾟﾎﾞｰﾄﾞに書き出す", button(90, 3555),
               &Form1::Command30_Click},
    ButtonSpec{&Form1::Command27, "Command27", "IE", "ＩＥを起動してﾀｸﾞの動作をチェック",
               button(90, 3975), &Form1::Command27_Click},
    ButtonSpec{&Form1::Command33, "Command33", "Print", "Comment を印刷", button(90, 4395),
               &Form1::Command33_Click},
    ButtonSpec{&Form1::Command34, "Command34", "FileIn",
               "選択したﾃｷｽﾄﾌｧｲﾙの内容をｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送します。", button(105, 5550),
               &Form1::Command34_Click},
    ButtonSpec{&Form1::Command35, "Command35", "1", nullptr, slotButton(2145),
               &Form1::Command35_Click},
    ButtonSpec{&Form1::Command36, "Command36", "2", nullptr, slotButton(2535),
               &Form1::Command36_Click},
    ButtonSpec{&Form1::Command37, "Command37", "3", nullptr, slotButton(2925),
               &Form1::Command37_Click},
    ButtonSpec{&Form1::Command38, "Command38", "4", nullptr, slotButton(3315),
               &Form1::Command38_Click},
    ButtonSpec{&Form1::Command39, "Command39", "5", nullptr, slotButton(3705),
               &Form1::Command39_Click},
    ButtonSpec{&Form1::Command40, "Command40", "6", nullptr, slotButton(4095),
               &Form1::Command40_Click},
    ButtonSpec{&Form1::Command41, "Command41", "7", nullptr, slotButton(4485),
               &Form1::Command41_Click},
    ButtonSpec{&Form1::Command42, "Command42", "8", nullptr, slotButton(4875),
               &Form1::Command42_Click},
    ButtonSpec{&Form1::Command43, "Command43", "S", nullptr, slotButton(5265),
               &Form1::Command43_Click},
};

using OptionSpec = widgets::ButtonSpec<Form1, QRadioButton>;

constexpr Twips option(int left) { return {left, 5655, 495, optionHeight}; }

constexpr std::array options{
    OptionSpec{&Form1::Option10,
               "Option10",
               "DefaultFont",
               "表示ﾌｫﾝﾄを初期状態に戻す。",
               {825, 5640, 1140, optionHeight},
               &Form1::Option10_Click},
    OptionSpec{&Form1::Option7, "Option7", "G", os::gothicFace, option(3465),
               &Form1::Option7_Click},
    OptionSpec{&Form1::Option8, "Option8", "M", os::minchoFace, option(3960),
               &Form1::Option8_Click},
    OptionSpec{&Form1::Option9, "Option9", "F", "FixedSys14ポイント固定", option(4455),
               &Form1::Option9_Click},
    OptionSpec{&Form1::Option1, "Option1", "8", nullptr, option(6375), &Form1::Option1_Click},
    OptionSpec{&Form1::Option2, "Option2", "9", nullptr, option(6870), &Form1::Option2_Click},
    OptionSpec{&Form1::Option3, "Option3", "10", nullptr, option(7365), &Form1::Option3_Click},
    OptionSpec{&Form1::Option4, "Option4", "11", nullptr, option(7860), &Form1::Option4_Click},
    OptionSpec{&Form1::Option5, "Option5", "12", nullptr, option(8355), &Form1::Option5_Click},
    OptionSpec{&Form1::Option6, "Option6", "16", nullptr, option(8850), &Form1::Option6_Click},
};

constexpr Twips fileDropBox{120, 4830, 600, 600};
// The vertical divider from (8385, 90) to (8385, 2085).
constexpr Twips divider{8385, 90, twipsPerPixel, 1995};

} // namespace

void Form1::buildLayout()
{
    // The window's own font, which every control without a font of its own shows.
    setFont(japaneseFont(windowPoints));

    // The fields come first so that they lead the keyboard focus order.
    widgets::addTextBox(*this, titleBox);
    widgets::addTextBox(*this, commentBox)->setFont(japaneseFont(commentPoints));
    for (const TextBoxSpec &entry : otherLineBoxes)
        widgets::addTextBox(*this, entry);
    widgets::addLabels(*this, labels);
    widgets::addButtons(*this, buttons);

    // Standing directly on the window, the ten options form one group.
    widgets::addButtons(*this, options);

    lstFileName = new QListWidget(this);
    describe(lstFileName, "lstFileName",
             "ﾃｷｽﾄﾌｧｲﾙをここにﾄﾞﾛｯﾌﾟすると内容のすべてが、ｸﾘｯﾌﾟﾎﾞｰﾄﾞに転送されます。");
    place(lstFileName, fileDropBox);
    widgets::onDrop(lstFileName, [this](const QMimeData &data) { lstFileName_OLEDragDrop(data); });

    Line1 = new QFrame(this);
    describe(Line1, "Line1", nullptr);
    // Filled in the text colour rather than drawn as a frame line, which falls between the pixels
    // at a scale factor such as 150 %.
    Line1->setAutoFillBackground(true);
    Line1->setBackgroundRole(QPalette::WindowText);
    place(Line1, divider);
}
