#include "WindowArt.h"

#include "Paint.h"
#include "Palette.h"

#include <utility>

namespace artwork {

QImage TitleBarButton(const QImage& background, const QRect& place, bool cross) {
    QImage image = background.copy(place).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter;
    BeginPainting(painter, image);
    PaintTile(painter, QRectF(0.5, 0.5, place.width() - 1.0, place.height() - 1.0), 3.5);
    const qreal middle = place.width() / 2.0;
    for (const auto& [offset, colour] : {std::pair{1.0, WithAlpha(kInk, 200)}, std::pair{0.0, kWhite}}) {
        painter.setPen(QPen(colour, 1.9, Qt::SolidLine, Qt::RoundCap));
        if (cross) {
            painter.drawLine(QPointF(middle - 3.5, 4.5 + offset), QPointF(middle + 3.5, 11.5 + offset));
            painter.drawLine(QPointF(middle + 3.5, 4.5 + offset), QPointF(middle - 3.5, 11.5 + offset));
        } else {
            painter.drawLine(QPointF(middle - 4.0, 10.5 + offset), QPointF(middle + 4.0, 10.5 + offset));
        }
    }
    painter.end();
    return image;
}

} // namespace artwork
