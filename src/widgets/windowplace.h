#pragma once

#include <QString>

class QWidget;

namespace os {
class FileSystem;
}

namespace widgets {

// Where a top-level window was last closed, kept in a record file so that the next start puts it
// back there: the place of its frame and the name of its screen, "120,80" and "DP-1" on two
// lines. A copy of the program with its record keeps its place.
class WindowPlace
{
public:
    WindowPlace(os::FileSystem &files, QString recordPath);

    // Moves the window to the recorded place when that is on the recorded screen still, with
    // enough of the window's top edge on it to take hold of; else (the first start, a screen or
    // place that is gone, a record that cannot be read) centres it on the primary screen.
    void restore(QWidget &window) const;
    // Records where the window stands now, written safely like every file of the Data folder. A
    // record that cannot be written only means the next start centres the window.
    void keep(const QWidget &window);

private:
    os::FileSystem &files_;
    QString recordPath_;
};

} // namespace widgets
