#include "WindowArt.h"

#include "CommonArt.h"
#include "Paint.h"
#include "Palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <utility>

namespace artwork {

QImage WindowBackground(int width, int height, qreal seenWidth, qreal faceTop, const WindowContent& paint) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(kInk);
    QPainter painter;
    BeginPainting(painter, image);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.0, 0.0, seenWidth, height), 14.0, 14.0);
    painter.setClipPath(outline);

    PaintFace(painter, image.rect(), faceTop, height);
    paint(painter, image.rect());

    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 1.0));
    painter.drawRoundedRect(QRectF(0.5, 0.5, seenWidth - 1.0, height - 1.0), 13.5, 13.5);
    painter.setPen(QPen(WithAlpha(kGold, 70), 1.0));
    painter.drawRoundedRect(QRectF(2.5, 2.5, seenWidth - 5.0, height - 5.0), 11.5, 11.5);
    painter.end();
    return image;
}

void PaintFace(QPainter& painter, const QRect& area, qreal top, qreal bottom) {
    QLinearGradient face(0.0, top, 0.0, bottom);
    face.setColorAt(0.0, kWine);
    face.setColorAt(1.0, kWineDeep);
    painter.fillRect(area, face);
}

void PaintGlow(QPainter& painter, const QRect& area, QPointF centre, qreal radius, int alpha) {
    QRadialGradient glow(centre.x(), centre.y(), radius);
    glow.setColorAt(0.0, WithAlpha(kBrightRed, alpha));
    glow.setColorAt(1.0, WithAlpha(kBrightRed, 0));
    painter.fillRect(area, glow);
}

void PaintTitleBand(QPainter& painter, qreal width, qreal bottom, int glossAlpha, int lineAlpha) {
    QLinearGradient band(0.0, 0.0, 0.0, bottom);
    band.setColorAt(0.0, QColor(0x96, 0x19, 0x1f));
    band.setColorAt(1.0, QColor(0x62, 0x0c, 0x11));
    painter.fillRect(QRectF(0.0, 0.0, width, bottom), band);
    QLinearGradient gloss(0.0, 0.0, 0.0, bottom / 2.0);
    gloss.setColorAt(0.0, WithAlpha(kWhite, glossAlpha));
    gloss.setColorAt(1.0, WithAlpha(kWhite, 0));
    painter.fillRect(QRectF(0.0, 0.0, width, bottom / 2.0), gloss);

    painter.setPen(QPen(WithAlpha(kGold, lineAlpha), 1.0));
    painter.drawLine(QPointF(0.0, bottom + 0.5), QPointF(width, bottom + 0.5));
    painter.setPen(QPen(WithAlpha(kInk, 200), 1.0));
    painter.drawLine(QPointF(0.0, bottom + 1.5), QPointF(width, bottom + 1.5));
}

void PaintTitleBar(QPainter& painter, qreal width, const TitleEmblem& paintEmblem, const QString& title,
                   const QRectF& buttonRecess) {
    PaintTitleBand(painter, width, kTitleBarBottom, 34, 180);
    paintEmblem(painter);
    PaintTextAt(painter, QPointF(36.0, 21.0), title, MakeFont(kSans, 13, QFont::Bold), kWhite,
                WithAlpha(kInk, 190));

    painter.setPen(QPen(WithAlpha(kGold, 60), 1.0));
    painter.setBrush(WithAlpha(kInk, 80));
    painter.drawRoundedRect(buttonRecess, 6.0, 6.0);
}

void PaintTitleIcon(QPainter& painter) {
    PaintIcon(painter, QRectF(9.0, 6.0, 20.0, 20.0));
}

void PaintHeadedPanel(QPainter& painter, const QRectF& box, qreal headerBottom, const QString& title,
                      qreal titleBaseline) {
    QPainterPath panel;
    panel.addRoundedRect(box, 10.0, 10.0);
    PaintShadow(painter, panel, QPointF(0.0, 2.0), 3, WithAlpha(kInk, 170));
    painter.fillPath(panel, kPanel);

    painter.save();
    painter.setClipPath(panel);
    const QRectF header(box.left(), box.top(), box.width(), headerBottom - box.top());
    QLinearGradient headerFill(header.topLeft(), header.bottomLeft());
    headerFill.setColorAt(0.0, kRed);
    headerFill.setColorAt(1.0, kWineLight);
    painter.fillRect(header, headerFill);
    painter.restore();

    painter.setPen(QPen(WithAlpha(kGold, 200), 1.0));
    painter.drawLine(QPointF(box.left(), headerBottom), QPointF(box.right(), headerBottom));
    PaintTextOnBaseline(painter, QPointF(box.center().x(), titleBaseline), title,
                        MakeFont(kSans, 14, QFont::Bold), kWhite, WithAlpha(kInk, 200));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(kGold, 210), 1.0));
    painter.drawPath(panel);
    painter.setPen(QPen(WithAlpha(kGold, 45), 1.0));
    painter.drawRoundedRect(box.adjusted(2.0, 2.0, -2.0, -2.0), 8.0, 8.0);
}

void PaintSignature(QPainter& painter, qreal centreX, qreal middle) {
    const QFont name = MakeFont(kSerif, 20, QFont::Bold);
    const QFont slogan = MakeFont(kSans, 12, QFont::Normal, true);
    const QString nameText = QStringLiteral("Lumitra Software");
    const QString sloganText = QStringLiteral("Every abbreviation, spelled out in full");
    const qreal badgeRadius = 23.0;
    const qreal gap = 12.0;
    const qreal textWidth = std::max(QFontMetricsF(name).horizontalAdvance(nameText),
                                     QFontMetricsF(slogan).horizontalAdvance(sloganText));
    const qreal left = std::round(centreX - (2.0 * badgeRadius + gap + textWidth) / 2.0);
    QPainterPath disc;
    disc.addEllipse(QPointF(left + badgeRadius, middle), badgeRadius, badgeRadius);
    PaintShadow(painter, disc, QPointF(0.0, 2.0), 2, WithAlpha(kInk, 200));
    PaintBadge(painter, QPointF(left + badgeRadius, middle), badgeRadius);
    const qreal textLeft = left + 2.0 * badgeRadius + gap;
    PaintTextAt(painter, QPointF(textLeft, middle - 2.0), nameText, name, kGold, WithAlpha(kInk, 220));
    PaintTextAt(painter, QPointF(textLeft + 1.0, middle + 16.0), sloganText, slogan, WithAlpha(kWhite, 225),
                WithAlpha(kInk, 200));
}

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
