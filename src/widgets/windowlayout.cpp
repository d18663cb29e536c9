#include "widgets/windowlayout.h"

#include "os/japaneselook.h"

namespace widgets {

void place(QWidget *control, Twips at)
{
    control->setGeometry(at.left / twipsPerPixel, at.top / twipsPerPixel, at.width / twipsPerPixel,
                         at.height / twipsPerPixel);
}

QFont japaneseFont(double points)
{
    QFont font(QString::fromUtf8(os::gothicFace));
    font.setPointSizeF(points);
    return font;
}

void describe(QWidget *control, const char *name, const char *tooltip)
{
    control->setObjectName(QString::fromLatin1(name));
    if (!tooltip)
        return;
    control->setToolTip(QString::fromUtf8(tooltip));
    control->setAccessibleDescription(control->toolTip());
}

QWidget *addTextBoxTo(QWidget *window, bool multiLine, const char *name, Twips at)
{
    QWidget *box = multiLine ? static_cast<QWidget *>(makeMultiLineBox(window))
                             : static_cast<QWidget *>(makeSingleLineBox(window));
    describe(box, name, nullptr);
    place(box, at);
    return box;
}

QLabel *addLabelTo(QWidget *window, const char *name, const char *caption, const char *tooltip,
                   double points, Twips at)
{
    auto *label = new QLabel(QString::fromUtf8(caption), window);
    describe(label, name, tooltip);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (points > 0)
        label->setFont(japaneseFont(points));
    place(label, at);
    return label;
}

void headTextBox(QLabel *label, const char *boxName)
{
    auto *box = label->parentWidget()->findChild<QWidget *>(QString::fromLatin1(boxName),
                                                            Qt::FindDirectChildrenOnly);
    Q_ASSERT(box);
    label->setBuddy(box);
}

QPushButton *addButtonTo(QWidget *window, const char *name, const char *caption,
                         const char *tooltip, Twips at)
{
    auto *command = new QPushButton(QString::fromUtf8(caption), window);
    describe(command, name, tooltip);
    command->setAutoDefault(false);
    place(command, at);
    return command;
}

QRadioButton *addOptionTo(QWidget *window, const char *name, const char *caption,
                          const char *tooltip, Twips at)
{
    auto *choice = new QRadioButton(QString::fromUtf8(caption), window);
    // Laid out for Windows' small radio marks: keep the caption readable in the same width.
    choice->setStyleSheet(QStringLiteral("QRadioButton { spacing: 1px; }"
                                         "QRadioButton::indicator { width: 11px; height: 11px; }"));
    describe(choice, name, tooltip);
    place(choice, at);
    return choice;
}

} // namespace widgets
