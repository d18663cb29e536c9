#include "widgets/programwindow.h"

namespace widgets {

ProgramWindow::ProgramWindow(const QString &caption, QSize clientSize)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, grey);
    setPalette(palette);
    setAutoFillBackground(true);
}

} // namespace widgets
