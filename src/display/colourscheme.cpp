#include "display/colourscheme.h"

#include <QWidget>

namespace display {

void applyScheme(const QList<QWidget *> &boxes, const ColourScheme &scheme)
{
    for (QWidget *box : boxes) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, scheme.background);
        palette.setColor(QPalette::Text, scheme.text);
        box->setPalette(palette);
    }
}

QColor backgroundOf(const QWidget *box) { return box->palette().color(QPalette::Base); }

QColor textColourOf(const QWidget *box) { return box->palette().color(QPalette::Text); }

} // namespace display
