#include "display/screenfont.h"

#include <QWidget>

namespace display {

void changeScreenFont(QWidget *box, FontChange change)
{
    QFont font = box->font();
    if (!change.face.isEmpty())
        font.setFamily(change.face.toString());
    if (change.points > 0)
        font.setPointSizeF(change.points);
    box->setFont(font);
}

} // namespace display
