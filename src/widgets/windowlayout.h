#pragma once

#include "widgets/labelclick.h"
#include "widgets/textbox.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>

#include <type_traits>

namespace widgets {

// A window's controls as data, placed in twips as the window's layout gives them: 15 twips to a
// pixel at 96 dpi (Qt scales on denser screens). Each control is named after the layout and
// stored in the window's member of that name; its handler is bound where the window has it.

constexpr int twipsPerPixel = 15;

// What the layouts share: the height of a text box or button row, and the two button widths.
constexpr int rowHeight = 330;
constexpr int buttonWidth = 645;
constexpr int wideButtonWidth = 855;

struct Twips
{
    int left, top, width, height;
};

void place(QWidget *control, Twips at);
// "ＭＳ Ｐゴシック", the layouts' font, at the given size.
QFont japaneseFont(double points);
// Sets the layout's name and, when there is one, the tooltip, which screen readers also read as
// the control's description (list boxes do not offer their tooltip to them on their own).
void describe(QWidget *control, const char *name, const char *tooltip);

template <typename Window, typename Box> struct TextBoxSpec
{
    Box *Window::*control;
    const char *name;
    Twips at;
    void (Window::*onDoubleClick)();
};

template <typename Window> struct LabelSpec
{
    QLabel *Window::*control;
    const char *name;
    const char *caption;
    const char *tooltip;
    double points; // 0: the window's own font
    Twips at;
    void (Window::*onClick)() = nullptr; // null: the label only heads other controls
    // The layout name of the text box the label stands beside: screen readers name the box
    // after it.
    const char *heads = nullptr;
};

// A push button, or an option button (QRadioButton): the options standing on one window form one
// group.
template <typename Window, typename Button = QPushButton> struct ButtonSpec
{
    Button *Window::*control;
    const char *name;
    const char *caption;
    const char *tooltip;
    Twips at;
    void (Window::*onClick)();
};

QWidget *addTextBoxTo(QWidget *window, bool multiLine, const char *name, Twips at);
QLabel *addLabelTo(QWidget *window, const char *name, const char *caption, const char *tooltip,
                   double points, Twips at);
// Makes the label the buddy of the window's text box of that layout name, added before it.
void headTextBox(QLabel *label, const char *boxName);
QPushButton *addButtonTo(QWidget *window, const char *name, const char *caption,
                         const char *tooltip, Twips at);
QRadioButton *addOptionTo(QWidget *window, const char *name, const char *caption,
                          const char *tooltip, Twips at);

// In the order given, which is the keyboard focus order.
template <typename Window, typename Box>
Box *addTextBox(Window &window, const TextBoxSpec<Window, Box> &entry)
{
    auto *box = static_cast<Box *>(
        addTextBoxTo(&window, std::is_same_v<Box, QPlainTextEdit>, entry.name, entry.at));
    onDoubleClick(box, [&window, handler = entry.onDoubleClick] { (window.*handler)(); });
    window.*entry.control = box;
    return box;
}

template <typename Window, typename Specs> void addLabels(Window &window, const Specs &specs)
{
    for (const LabelSpec<Window> &entry : specs) {
        QLabel *label =
            addLabelTo(&window, entry.name, entry.caption, entry.tooltip, entry.points, entry.at);
        if (entry.onClick)
            onClick(label, [&window, handler = entry.onClick] { (window.*handler)(); });
        if (entry.heads)
            headTextBox(label, entry.heads);
        window.*entry.control = label;
    }
}

template <typename Window, typename Button, std::size_t count>
void addButtons(Window &window, const std::array<ButtonSpec<Window, Button>, count> &specs)
{
    for (const ButtonSpec<Window, Button> &entry : specs) {
        Button *command;
        if constexpr (std::is_same_v<Button, QRadioButton>)
            command = addOptionTo(&window, entry.name, entry.caption, entry.tooltip, entry.at);
        else
            command = addButtonTo(&window, entry.name, entry.caption, entry.tooltip, entry.at);
        QObject::connect(command, &QAbstractButton::clicked, &window, entry.onClick);
        window.*entry.control = command;
    }
}

} // namespace widgets
