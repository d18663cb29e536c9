#include "display/screenfont.h"

#include <QWidget>

namespace display {

void changeScreenFont(QWidget *box, FontChange change)
{
    QFont font = box->font();
    if (change.face)
        font.setFamily(QString::fromUtf8(change.face));
    if (change.points > 0)
        font.setPointSizeF(change.points);
    box->setFont(font);
}

} // namespace display
