#include "MenuArt.h"

#include "Paint.h"
#include "Palette.h"
#include "WindowArt.h"

#include <QLinearGradient>

#include <array>
#include <cmath>

namespace artwork::menu {

namespace {

constexpr int kWidth = 500;
constexpr int kHeight = 417;
const QRect kMinimizePlace(434, 8, 22, 16);
const QRect kExitPlace(467, 8, 22, 16);

// The menu entries' labels lie over the bars: their tops in pixels, in screen order. The label
// text stands at the top of its label, so each bar is centred on the text, not on the label.
constexpr std::array<qreal, 5> kEntryTops = {1370.0 / 15.0, 2070.0 / 15.0, 2760.0 / 15.0, 3490.0 / 15.0,
                                             4170.0 / 15.0};
constexpr qreal kTextMiddle = 8.0;
constexpr qreal kBarHeight = 28.0;
constexpr qreal kBarCentre = 180.5; // the labels' common centre line
constexpr qreal kBarWidth = 278.0;

// The "Tips Panel" box around the tips label (360, 125 to 465, 286).
const QRectF kTipsBox(344.5, 85.5, 136.0, 215.0);
constexpr qreal kTipsHeaderBottom = 114.5;

void PaintHeading(QPainter& painter) {
    PaintTextOnBaseline(painter, QPointF(kBarCentre, 63.0), QStringLiteral("Please Select a Dictionary"),
                        MakeFont(kSerif, 17, QFont::Bold, true), kGold, WithAlpha(kInk, 220));
    PaintFadingRule(painter, kBarCentre - kBarWidth / 2.0, kBarCentre + kBarWidth / 2.0, 72.5,
                    WithAlpha(kGold, 150));
}

// A raised bar, brighter than the background so that the white label on it reads at a glance.
void PaintEntryBar(QPainter& painter, const QRectF& rect) {
    QPainterPath bar;
    const qreal radius = rect.height() / 2.0;
    bar.addRoundedRect(rect, radius, radius);
    PaintShadow(painter, bar, QPointF(0.0, 2.0), 2, WithAlpha(kInk, 190));

    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, kRed);
    fill.setColorAt(0.5, kWineLight);
    fill.setColorAt(1.0, kWine);
    painter.fillPath(bar, fill);

    painter.save();
    painter.setClipPath(bar);
    QLinearGradient gloss(rect.topLeft(), QPointF(rect.left(), rect.center().y()));
    gloss.setColorAt(0.0, WithAlpha(kWhite, 40));
    gloss.setColorAt(1.0, WithAlpha(kWhite, 0));
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), rect.height() / 2.0), gloss);
    painter.restore();

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(kGold, 200), 1.0));
    painter.drawPath(bar);

    // A small gold bead at each end gives the bar a finished edge without crowding the label.
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(kGoldLight, 210));
    for (const qreal x : {rect.left() + radius - 1.0, rect.right() - radius + 1.0}) {
        const QPointF c(x, rect.center().y());
        const std::array<QPointF, 4> diamond = {c + QPointF(0.0, -3.0), c + QPointF(2.5, 0.0),
                                                c + QPointF(0.0, 3.0), c + QPointF(-2.5, 0.0)};
        painter.drawPolygon(diamond.data(), static_cast<int>(diamond.size()));
    }
}

void PaintEntryBars(QPainter& painter) {
    for (const qreal top : kEntryTops) {
        const qreal middle = std::round(top + kTextMiddle) + 0.5;
        PaintEntryBar(painter,
                      QRectF(kBarCentre - kBarWidth / 2.0, middle - kBarHeight / 2.0, kBarWidth, kBarHeight));
    }
}

} // namespace

QImage Background() {
    return WindowBackground(
        kWidth, kHeight, kWidth, kTitleBarBottom, [](QPainter& painter, const QRect& area) {
            PaintGlow(painter, area, QPointF(kWidth / 2.0, 190.0), 260.0, 30);

            PaintTitleBar(painter, kWidth, PaintTitleIcon, QStringLiteral("Lumitra Abbreviation Dictionary"),
                          QRectF(428.5, 4.5, 66.0, 23.0));
            PaintHeading(painter);
            PaintEntryBars(painter);
            PaintHeadedPanel(painter, kTipsBox, kTipsHeaderBottom, QStringLiteral("Tips Panel"), 105.0);
            PaintFadingRule(painter, 20.0, kWidth - 20.0, 318.5, WithAlpha(kGold, 130));
            PaintSignature(painter, kWidth / 2.0, 365.0);
        });
}

QImage Exit(const QImage& background) {
    return TitleBarButton(background, kExitPlace, true);
}

QImage Minimize(const QImage& background) {
    return TitleBarButton(background, kMinimizePlace, false);
}

} // namespace artwork::menu
