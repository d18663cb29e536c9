#pragma once

#include <QColor>
#include <QList>

class QWidget;

namespace display {

// The text and background colour of a window's field text boxes. It lives only in the boxes:
// nothing of it is stored, and every start shows the system's own colours.
struct ColourScheme
{
    QColor background;
    QColor text;
};

void applyScheme(const QList<QWidget *> &boxes, const ColourScheme &scheme);
QColor backgroundOf(const QWidget *box);
QColor textColourOf(const QWidget *box);

} // namespace display
