// The bare window that start-up is measured against: a Qt Widgets window of the main window's
// size with as many controls of each kind as the main window has, captioned, and a Japanese name
// in the first box as the main window shows its fields; nothing else.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int columns = 8;
constexpr int cellWidth = 79;
constexpr int cellHeight = 22;

// Places the control in the next cell of a grid over the window.
void place(QWidget *control, int &cell)
{
    control->setGeometry(cell % columns * cellWidth, cell / columns * cellHeight, cellWidth - 2,
                         cellHeight - 2);
    ++cell;
}

template <typename Control>
void addControls(QWidget &window, int count, int &cell, const QString &caption)
{
    for (int i = 0; i < count; ++i)
        place(new Control(caption, &window), cell);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(632, 392);
    int cell = 0;
    addControls<QLineEdit>(window, 1, cell, QStringLiteral("名無しさん"));
    addControls<QLineEdit>(window, 5, cell, QStringLiteral("sage"));
    addControls<QPlainTextEdit>(window, 1, cell, QStringLiteral("line 1 of the comment"));
    addControls<QLabel>(window, 9, cell, QStringLiteral("Name"));
    addControls<QPushButton>(window, 43, cell, QStringLiteral("Save"));
    addControls<QRadioButton>(window, 10, cell, QStringLiteral("8"));
    place(new QListWidget(&window), cell);
    place(new QFrame(&window), cell);
    window.show();
    return QApplication::exec();
}
