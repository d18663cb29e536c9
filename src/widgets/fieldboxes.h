#pragma once

#include <QList>
#include <QWidget>

namespace widgets {

// The seven field boxes of a window that names them Text1 to Text7 (the main window and the aux
// memo windows), in the order of their files.
template <typename Window> QList<QWidget *> fieldBoxesOf(const Window &window)
{
    return {window.Text1, window.Text2, window.Text3, window.Text4,
            window.Text5, window.Text6, window.Text7};
}

} // namespace widgets
