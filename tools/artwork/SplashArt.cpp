#include "SplashArt.h"

#include "CommonArt.h"
#include "Paint.h"
#include "Palette.h"
#include "WindowArt.h"

#include <QFontMetricsF>
#include <QLinearGradient>

#include <cmath>

namespace artwork::splash {

namespace {

constexpr int kWidth = 310;
constexpr int kHeight = 270;
// The window's outline keeps 309 of the picture's columns; the last one is never seen.
constexpr qreal kSeenWidth = 309.0;
constexpr qreal kCentre = 155.0;
constexpr qreal kHeaderBottom = 78.0;

// Where the window lays out the progress pictures and the frame in front of the short one, in the
// background's pixels. The two later pictures lie in front of the frame and carry its line.
const QRect kShortPlace(41, 168, 230, 30);
const QRect kLaterPlace(42, 170, 230, 30);
const QRect kFrameBox(40, 168, 232, 33);
const QColor kFrameColour(192, 0, 0);
constexpr qreal kFrameLine = 3.0;
// The bar itself, inside the frame and within both places.
const QRectF kTrough(46.0, 174.0, 220.0, 20.0);

void PaintHeader(QPainter& painter) {
    PaintTitleBand(painter, kWidth, kHeaderBottom, 30, 190);

    // The emblem and the title beside it, centred together across the window.
    const qreal badgeRadius = 24.0;
    const qreal gap = 12.0;
    const QFont name = MakeFont(kSerif, 27, QFont::Bold);
    QFont rest = MakeFont(kSans, 14, QFont::Bold);
    const QString nameText = QStringLiteral("Lumitra");
    const QString restText = QStringLiteral("Abbreviation Dictionary");
    rest.setPixelSize(FittingPixelSize(rest, {restText}, kSeenWidth - 2.0 * badgeRadius - gap - 40.0, 14));
    const qreal textWidth = std::max(QFontMetricsF(name).horizontalAdvance(nameText),
                                     QFontMetricsF(rest).horizontalAdvance(restText));
    const qreal left = std::round(kCentre - (2.0 * badgeRadius + gap + textWidth) / 2.0);
    const QPointF badge(left + badgeRadius, 39.0);
    QPainterPath disc;
    disc.addEllipse(badge, badgeRadius, badgeRadius);
    PaintShadow(painter, disc, QPointF(0.0, 2.0), 2, WithAlpha(kInk, 200));
    PaintBadge(painter, badge, badgeRadius);
    const qreal textLeft = left + 2.0 * badgeRadius + gap;
    PaintTextAt(painter, QPointF(textLeft, 40.0), nameText, name, kGold, WithAlpha(kInk, 220));
    PaintTextAt(painter, QPointF(textLeft + 1.0, 59.0), restText, rest, kWhite, WithAlpha(kInk, 200));
}

// The frame as the window draws it: a rounded line of three pixels inside its box.
void PaintFrame(QPainter& painter) {
    const qreal half = kFrameLine / 2.0;
    const QRectF line = QRectF(kFrameBox).adjusted(half, half, -half, -half);
    const qreal radius = std::min(8.0, line.height() / 3.0);
    painter.save();
    painter.setPen(QPen(kFrameColour, kFrameLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(line, radius, radius);
    painter.restore();
}

void PaintBar(QPainter& painter, qreal fraction) {
    const qreal radius = kTrough.height() / 2.0;
    QPainterPath trough;
    trough.addRoundedRect(kTrough, radius, radius);
    QLinearGradient hollow(kTrough.topLeft(), kTrough.bottomLeft());
    hollow.setColorAt(0.0, kInk);
    hollow.setColorAt(1.0, kPanel);
    painter.fillPath(trough, hollow);

    const qreal filled = std::max(2.0 * radius, kTrough.width() * fraction);
    const QRectF fill(kTrough.left(), kTrough.top(), filled, kTrough.height());
    QPainterPath bar;
    bar.addRoundedRect(fill.adjusted(1.0, 1.0, -1.0, -1.0), radius - 1.0, radius - 1.0);
    QLinearGradient gold(fill.topLeft(), fill.bottomLeft());
    gold.setColorAt(0.0, kGoldLight);
    gold.setColorAt(0.45, kGold);
    gold.setColorAt(1.0, kGoldDark);
    painter.fillPath(bar, gold);

    // Slanted stripes and a gloss over the upper half give the filled part its sheen.
    painter.save();
    painter.setClipPath(bar);
    painter.setPen(QPen(WithAlpha(kGoldDark, 70), 4.0));
    for (qreal x = fill.left() - fill.height(); x < fill.right(); x += 12.0) {
        painter.drawLine(QPointF(x, fill.bottom()), QPointF(x + fill.height(), fill.top()));
    }
    QLinearGradient gloss(0.0, fill.top(), 0.0, fill.center().y());
    gloss.setColorAt(0.0, WithAlpha(kWhite, 120));
    gloss.setColorAt(1.0, WithAlpha(kWhite, 15));
    painter.fillRect(QRectF(fill.left(), fill.top(), fill.width(), fill.height() / 2.0), gloss);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(kGoldDark, 230), 0.8));
    painter.drawPath(bar);

    painter.setPen(QPen(WithAlpha(kGold, 110), 1.0));
    painter.drawRoundedRect(kTrough.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
}

QImage ProgressPicture(const QImage& background, const QRect& place, qreal fraction, bool carriesFrame) {
    QImage image = background.copy(place).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter;
    BeginPainting(painter, image);
    painter.translate(-place.topLeft());
    if (carriesFrame) {
        PaintFrame(painter);
    }
    PaintBar(painter, fraction);
    painter.end();
    return image;
}

} // namespace

QImage Background() {
    return WindowBackground(
        kWidth, kHeight, kSeenWidth, kHeaderBottom, [](QPainter& painter, const QRect& area) {
            PaintGlow(painter, area, QPointF(kCentre, 150.0), 170.0, 34);

            PaintHeader(painter);

            PaintTextOnBaseline(painter, QPointF(kCentre, 105.0), QStringLiteral("International Edition"),
                                MakeFont(kSerif, 16, QFont::Bold, true), kGold, WithAlpha(kInk, 220));
            PaintTextOnBaseline(painter, QPointF(kCentre, 124.0), QStringLiteral("Version 1.0.0"),
                                MakeFont(kSans, 12), WithAlpha(kWhite, 225), WithAlpha(kInk, 200));
            PaintFadingRule(painter, 40.0, 270.0, 135.5, WithAlpha(kGold, 120));
            PaintTextOnBaseline(painter, QPointF(kCentre, 157.0),
                                QStringLiteral("Please wait while loading\u2026"),
                                MakeFont(kSans, 12, QFont::Bold), kCream, WithAlpha(kInk, 200));

            // The band from 168 to 201 stays empty: the progress bar and its frame lie there.

            PaintTextOnBaseline(painter, QPointF(kCentre, 227.0),
                                QStringLiteral("Every abbreviation, spelled out in full"),
                                MakeFont(kSerif, 12, QFont::Normal, true), kGoldLight, WithAlpha(kInk, 200));
            PaintFadingRule(painter, 60.0, 250.0, 235.5, WithAlpha(kGold, 90));
            PaintTextOnBaseline(painter, QPointF(kCentre, 251.0),
                                QStringLiteral("Developed by Lumitra Software"), MakeFont(kSans, 11),
                                WithAlpha(kWhite, 200), WithAlpha(kInk, 200));
        });
}

QImage ProgressShort(const QImage& background) {
    return ProgressPicture(background, kShortPlace, 0.2, false);
}

QImage ProgressTwoThirds(const QImage& background) {
    return ProgressPicture(background, kLaterPlace, 2.0 / 3.0, true);
}

QImage ProgressFull(const QImage& background) {
    return ProgressPicture(background, kLaterPlace, 1.0, true);
}

} // namespace artwork::splash
