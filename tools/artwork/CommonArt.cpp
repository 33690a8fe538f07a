#include "CommonArt.h"

#include "Paint.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace artwork {

namespace {

// One page of the open book, left of the spine at x 32, in the icon's 64-unit square.
QPainterPath LeftPage(qreal lift) {
    QPainterPath page;
    page.moveTo(32.0, 42.0 - lift);
    page.quadTo(23.0, 37.0 - lift, 11.0, 38.5 - lift);
    page.lineTo(11.0, 51.0 - lift);
    page.quadTo(23.0, 49.5 - lift, 32.0, 54.0 - lift);
    page.closeSubpath();
    return page;
}

QPainterPath Mirrored(const QPainterPath& path) {
    QTransform mirror;
    mirror.translate(64.0, 0.0);
    mirror.scale(-1.0, 1.0);
    return mirror.map(path);
}

void PaintOpenBook(QPainter& painter) {
    painter.save();
    const QPainterPath coverLeft = LeftPage(-2.0);
    const QPainterPath cover = coverLeft.united(Mirrored(coverLeft));
    painter.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kRed);
    painter.drawPath(cover);

    const QPainterPath left = LeftPage(0.0);
    const QPainterPath right = Mirrored(left);
    QLinearGradient paper(11.0, 40.0, 53.0, 52.0);
    paper.setColorAt(0.0, kCream);
    paper.setColorAt(0.5, kPaper);
    paper.setColorAt(1.0, kCream);
    painter.setPen(QPen(WithAlpha(kGoldDark, 220), 0.8));
    painter.setBrush(paper);
    painter.drawPath(left);
    painter.drawPath(right);

    // Lines of print on both pages.
    painter.setPen(QPen(WithAlpha(kRed, 150), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 3; ++line) {
        const qreal y = 42.5 + 3.0 * line;
        painter.drawLine(QPointF(14.5, y - 1.3), QPointF(28.5, y + 1.3));
        painter.drawLine(QPointF(64.0 - 14.5, y - 1.3), QPointF(64.0 - 28.5, y + 1.3));
    }
    painter.restore();
}

} // namespace

void PaintIcon(QPainter& painter, const QRectF& rect) {
    const bool small = rect.width() < 32.0;
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / 64.0, rect.height() / 64.0);

    const QRectF body(1.5, 1.5, 61.0, 61.0);
    QRadialGradient fill(22.0, 16.0, 60.0);
    fill.setColorAt(0.0, kBrightRed);
    fill.setColorAt(0.45, kRed);
    fill.setColorAt(1.0, kWineDeep);
    QLinearGradient rim(0.0, 0.0, 0.0, 64.0);
    rim.setColorAt(0.0, kGoldLight);
    rim.setColorAt(0.5, kGold);
    rim.setColorAt(1.0, kGoldDark);
    painter.setBrush(fill);
    painter.setPen(QPen(QBrush(rim), small ? 4.0 : 2.5));
    painter.drawRoundedRect(body, 13.0, 13.0);
    if (small) {
        const QFont letters = MakeFont(kSerif, 34, QFont::Bold);
        PaintTextCentred(painter, QPointF(32.0, 33.0), QStringLiteral("LA"), letters, kGoldLight);
    } else {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(WithAlpha(kGold, 110), 1.0));
        painter.drawRoundedRect(body.adjusted(3.5, 3.5, -3.5, -3.5), 9.5, 9.5);
        const QFont letters = MakeFont(kSerif, 25, QFont::Bold);
        PaintTextCentred(painter, QPointF(32.0, 22.0), QStringLiteral("LA"), letters, WithAlpha(kInk, 160));
        PaintTextCentred(painter, QPointF(32.0, 20.5), QStringLiteral("LA"), letters, kGoldLight);
        PaintOpenBook(painter);
    }
    painter.restore();
}

namespace common {

QImage Icon() {
    QImage image = NewImage(64, 64);
    QPainter painter;
    BeginPainting(painter, image);
    PaintIcon(painter, QRectF(0.0, 0.0, 64.0, 64.0));
    painter.end();
    return image;
}

} // namespace common
} // namespace artwork
