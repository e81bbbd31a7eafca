#include "qt/up_arrow_cursor.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace milden {

QCursor UpArrowCursor(qreal devicePixelRatio) {
    // At ratio 1, on pixel centres so that the outline is sharp: a head 13 wide and 7 high on a
    // shaft 5 wide, the tip on the middle column.
    const QPolygonF arrow{{6.5, 0.5}, {12.5, 6.5}, {8.5, 6.5}, {8.5, 16.5}, {4.5, 16.5}, {4.5, 6.5}, {0.5, 6.5}};
    const QSize logical(13, 17);
    // The pixmap keeps ratio 1: X takes its pixels and hot spot as they are.
    QPixmap pixmap(static_cast<int>(std::ceil(logical.width() * devicePixelRatio)),
                   static_cast<int>(std::ceil(logical.height() * devicePixelRatio)));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(devicePixelRatio, devicePixelRatio);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
    painter.end();
    return QCursor(pixmap, static_cast<int>(6.5 * devicePixelRatio), 0);
}

}  // namespace milden
