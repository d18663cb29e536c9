#include "app/programicon.h"

#include <QPainter>
#include <QPixmap>

namespace {

// Drawn on a grid of 32 by 32 units, scaled to each size.
constexpr double grid = 32;

void drawMemoPad(QPainter &painter)
{
    const QRectF sheet(5.5, 3.5, 21, 26);
    painter.setPen(QPen(QColor(70, 70, 70), 1));
    painter.setBrush(QColor(255, 255, 240));
    painter.drawRect(sheet);

    // The binding along the top, in the blue of a title bar.
    painter.setBrush(QColor(58, 110, 165));
    painter.drawRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 5));

    painter.setPen(QPen(QColor(140, 170, 205), 1));
    for (double y = 13.5; y < sheet.bottom() - 2; y += 4)
        painter.drawLine(QPointF(sheet.left() + 3, y), QPointF(sheet.right() - 3, y));

    // A pencil lying across the sheet.
    painter.setPen(Qt::NoPen);
    painter.translate(17, 22);
    painter.rotate(-45);
    painter.setBrush(QColor(232, 163, 61));
    painter.drawRect(QRectF(0, -2, 12, 4));
    painter.setBrush(QColor(230, 200, 160));
    painter.drawPolygon(QPolygonF{{0, -2}, {0, 2}, {-4, 0}});
    painter.setBrush(QColor(40, 40, 40));
    painter.drawPolygon(QPolygonF{{-2.6, -0.7}, {-2.6, 0.7}, {-4, 0}});
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / grid, size / grid);
        drawMemoPad(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
