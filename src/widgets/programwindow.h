#pragma once

#include <QColor>
#include <QSize>
#include <QWidget>

namespace widgets {

// The frame every window of the program shares: a fixed-size top-level window on the light grey
// of its forms, whose title bar offers minimizing and closing but never maximizing.
class ProgramWindow : public QWidget
{
    Q_OBJECT

public:
    static inline const QColor grey{192, 192, 192};

protected:
    ProgramWindow(const QString &caption, QSize clientSize);
};

} // namespace widgets
