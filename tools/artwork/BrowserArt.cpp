#include "BrowserArt.h"

#include "Paint.h"
#include "Palette.h"
#include "WindowArt.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace artwork::browser {

namespace {

constexpr int kWidth = 650;
constexpr int kHeight = 570;
// The rounded "Change" panel behind the dictionary buttons and the help button.
const QRectF kChangePanel(541.5, 42.5, 85.0, 508.0);
constexpr qreal kChangeHeaderBottom = 72.5;
// The centre line of the work area, x 24 to 530, under which the logo sits.
constexpr qreal kWorkAreaCentre = 277.0;
const QRect kExitPlace(616, 8, 22, 16);
const QRect kMinimizePlace(584, 8, 22, 16);
const QRect kBackPlace(24, 424, 70, 21);
constexpr int kButtonWidth = 62;
constexpr int kButtonHeight = 59;

void PaintChangePanel(QPainter& painter) {
    PaintHeadedPanel(painter, kChangePanel, kChangeHeaderBottom, QStringLiteral("Change"), 62.0);

    // Sets the help button apart from the five dictionaries.
    PaintFadingRule(painter, kChangePanel.left() + 6.0, kChangePanel.right() - 6.0, 467.5,
                    WithAlpha(kGold, 170));
}

// The two lines under a dictionary button's book, set in one size for all five buttons.
const QStringList kDictionaryNames = {QStringLiteral("Oxford"), QStringLiteral("Computer"),
                                      QStringLiteral("Hardware"), QStringLiteral("Bangladesh"),
                                      QStringLiteral("International")};
constexpr qreal kButtonTextWidth = 56.0;

QImage ButtonCanvas() {
    QImage image(kButtonWidth, kButtonHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(kPanel);
    return image;
}

QImage DictionaryButton(const QString& name, const CoverMotif& motif) {
    QImage image = ButtonCanvas();
    QPainter painter;
    BeginPainting(painter, image);
    PaintTile(painter, QRectF(0.5, 0.5, kButtonWidth - 1.0, kButtonHeight - 1.0), 6.0);
    PaintBook(painter, QRectF(18.0, 5.0, 27.0, 22.0), motif);

    // Set a little tight, so that "International" still fits at a readable size.
    QFont nameFont = MakeFont(kNarrowSans, 10, QFont::Bold);
    nameFont.setLetterSpacing(QFont::AbsoluteSpacing, -0.3);
    nameFont.setPixelSize(FittingPixelSize(nameFont, kDictionaryNames, kButtonTextWidth, 10));
    QFont lineFont = MakeFont(kNarrowSans, 9);
    lineFont.setPixelSize(FittingPixelSize(lineFont, {QStringLiteral("Abbreviation")}, kButtonTextWidth, 9));
    const qreal centre = kButtonWidth / 2.0;
    PaintTextOnBaseline(painter, QPointF(centre, 40.0), name, nameFont, kWhite, WithAlpha(kInk, 220));
    PaintTextOnBaseline(painter, QPointF(centre, 51.0), QStringLiteral("Abbreviation"), lineFont, kGoldLight,
                        WithAlpha(kInk, 200));
    painter.end();
    return image;
}

QPen GoldPen(qreal width) {
    return QPen(kGoldLight, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// An academic cap, for the Oxford dictionary.
void PaintCap(QPainter& painter, const QRectF& area) {
    const QPointF c = area.center();
    painter.save();
    painter.setPen(Qt::NoPen);
    QPainterPath crown;
    crown.moveTo(c.x() - 4.0, c.y() - 0.5);
    crown.lineTo(c.x() - 4.0, c.y() + 3.0);
    crown.quadTo(c.x(), c.y() + 5.5, c.x() + 4.0, c.y() + 3.0);
    crown.lineTo(c.x() + 4.0, c.y() - 0.5);
    crown.closeSubpath();
    painter.setBrush(kGold);
    painter.drawPath(crown);
    const std::array<QPointF, 4> board = {QPointF(c.x() - 7.5, c.y() - 2.5), QPointF(c.x(), c.y() - 6.0),
                                          QPointF(c.x() + 7.5, c.y() - 2.5), QPointF(c.x(), c.y() + 1.0)};
    painter.setBrush(kGoldLight);
    painter.drawPolygon(board.data(), static_cast<int>(board.size()));
    painter.setPen(QPen(kGoldLight, 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(c.x(), c.y() - 2.5), QPointF(c.x() + 5.5, c.y() - 0.8));
    painter.drawLine(QPointF(c.x() + 5.5, c.y() - 0.8), QPointF(c.x() + 5.5, c.y() + 3.5));
    painter.restore();
}

// A monitor, for the computer dictionary.
void PaintMonitor(QPainter& painter, const QRectF& area) {
    const QPointF c = area.center();
    painter.save();
    painter.setPen(GoldPen(1.2));
    painter.setBrush(WithAlpha(kGoldLight, 70));
    painter.drawRoundedRect(QRectF(c.x() - 6.5, c.y() - 5.5, 13.0, 9.0), 1.0, 1.0);
    painter.drawLine(QPointF(c.x(), c.y() + 3.5), QPointF(c.x(), c.y() + 5.5));
    painter.setPen(GoldPen(1.5));
    painter.drawLine(QPointF(c.x() - 3.5, c.y() + 6.0), QPointF(c.x() + 3.5, c.y() + 6.0));
    painter.restore();
}

// A chip with its pins, for the hardware dictionary.
void PaintChip(QPainter& painter, const QRectF& area) {
    const QPointF c = area.center();
    painter.save();
    painter.setPen(GoldPen(1.0));
    for (int i = -1; i <= 1; ++i) {
        const qreal d = 3.0 * i;
        painter.drawLine(QPointF(c.x() - 7.0, c.y() + d), QPointF(c.x() + 7.0, c.y() + d));
        painter.drawLine(QPointF(c.x() + d, c.y() - 7.0), QPointF(c.x() + d, c.y() + 7.0));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGoldLight);
    painter.drawRoundedRect(QRectF(c.x() - 4.5, c.y() - 4.5, 9.0, 9.0), 1.2, 1.2);
    painter.setBrush(kRed);
    painter.drawRect(QRectF(c.x() - 2.0, c.y() - 2.0, 4.0, 4.0));
    painter.restore();
}

// A flag with a disc on it, for the dictionary of Bangladesh.
void PaintFlag(QPainter& painter, const QRectF& area) {
    const QPointF c = area.center();
    painter.save();
    painter.setPen(GoldPen(1.1));
    painter.setBrush(WithAlpha(kGoldLight, 50));
    painter.drawRect(QRectF(c.x() - 6.5, c.y() - 4.5, 13.0, 9.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGoldLight);
    painter.drawEllipse(QPointF(c.x() - 1.0, c.y()), 3.0, 3.0);
    painter.restore();
}

// A globe, for the international dictionary.
void PaintGlobe(QPainter& painter, const QRectF& area) {
    const QPointF c = area.center();
    const qreal r = 6.5;
    painter.save();
    painter.setPen(GoldPen(1.1));
    painter.setBrush(WithAlpha(kGoldLight, 40));
    painter.drawEllipse(c, r, r);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(GoldPen(0.8));
    painter.drawEllipse(c, r * 0.42, r);
    painter.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    const qreal latitude = r * 0.55;
    const qreal half = std::sqrt(r * r - latitude * latitude);
    painter.drawLine(QPointF(c.x() - half, c.y() - latitude), QPointF(c.x() + half, c.y() - latitude));
    painter.drawLine(QPointF(c.x() - half, c.y() + latitude), QPointF(c.x() + half, c.y() + latitude));
    painter.restore();
}

} // namespace

QImage Background() {
    return WindowBackground(
        kWidth, kHeight, kWidth, kTitleBarBottom, [](QPainter& painter, const QRect& area) {
            // The work area stays calm so that the lists, boxes and their red frames read well on it.
            PaintGlow(painter, area, QPointF(kWorkAreaCentre, 280.0), 320.0, 30);

            PaintTitleBar(painter, kWidth, PaintTitleIcon,
                          QStringLiteral("Lumitra Abbreviation Dictionary V 1.0.0"),
                          QRectF(578.5, 4.5, 65.0, 23.0));

            PaintTextAt(
                painter, QPointF(24.0, 57.0),
                QStringLiteral(
                    "Five dictionaries, 1,801 abbreviations \u2013 type the first letters to find one"),
                MakeFont(kSerif, 13, QFont::Normal, true), kGoldLight, WithAlpha(kInk, 200));
            PaintFadingRule(painter, 20.0, 532.0, 70.5, WithAlpha(kGold, 130));

            PaintChangePanel(painter);

            PaintFadingRule(painter, 20.0, 532.0, 458.5, WithAlpha(kGold, 130));
            PaintSignature(painter, kWorkAreaCentre, 510.0);
        });
}

QImage Exit(const QImage& background) {
    return TitleBarButton(background, kExitPlace, true);
}

QImage Minimize(const QImage& background) {
    return TitleBarButton(background, kMinimizePlace, false);
}

QImage Back(const QImage& background) {
    QImage image = background.copy(kBackPlace).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter;
    BeginPainting(painter, image);
    PaintTile(painter, QRectF(0.5, 0.5, kBackPlace.width() - 1.0, kBackPlace.height() - 1.0), 6.0);
    for (const auto& [offset, colour] : {std::pair{1.0, WithAlpha(kInk, 200)}, std::pair{0.0, kGoldLight}}) {
        painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(std::array{QPointF(18.0, 6.0 + offset), QPointF(13.5, 10.5 + offset),
                                        QPointF(18.0, 15.0 + offset)}
                                 .data(),
                             3);
    }
    PaintTextOnBaseline(painter, QPointF(41.0, 15.0), QStringLiteral("Back"),
                        MakeFont(kSans, 12, QFont::Bold), kWhite, WithAlpha(kInk, 220));
    painter.end();
    return image;
}

QImage Oxford() {
    return DictionaryButton(QStringLiteral("Oxford"), PaintCap);
}

QImage Computer() {
    return DictionaryButton(QStringLiteral("Computer"), PaintMonitor);
}

QImage Hardware() {
    return DictionaryButton(QStringLiteral("Hardware"), PaintChip);
}

QImage Bangladesh() {
    return DictionaryButton(QStringLiteral("Bangladesh"), PaintFlag);
}

QImage International() {
    return DictionaryButton(QStringLiteral("International"), PaintGlobe);
}

QImage Help() {
    QImage image = ButtonCanvas();
    QPainter painter;
    BeginPainting(painter, image);
    PaintTile(painter, QRectF(0.5, 0.5, kButtonWidth - 1.0, kButtonHeight - 1.0), 6.0);
    QPainterPath disc;
    disc.addEllipse(QPointF(31.0, 22.0), 15.0, 15.0);
    PaintShadow(painter, disc, QPointF(0.5, 1.5), 1, WithAlpha(kInk, 200));
    PaintBadge(painter, QPointF(31.0, 22.0), 15.0);
    PaintTextOnBaseline(painter, QPointF(31.0, 51.0), QStringLiteral("Help"),
                        MakeFont(kSans, 13, QFont::Bold), kWhite, WithAlpha(kInk, 220));
    painter.end();
    return image;
}

QImage Marker() {
    QImage image = NewImage(144, 63);
    QPainter painter;
    BeginPainting(painter, image);
    QPainterPath tail;
    tail.addRoundedRect(QRectF(7.5, 16.5, 92.0, 30.0), 6.0, 6.0);
    QPainterPath head;
    head.moveTo(94.0, 4.5);
    head.lineTo(139.5, 31.5);
    head.lineTo(94.0, 58.5);
    head.closeSubpath();
    const QPainterPath arrow = tail.united(head);

    PaintShadow(painter, arrow, QPointF(1.5, 2.0), 2, WithAlpha(kInk, 170));
    QLinearGradient fill(0.0, 4.5, 0.0, 58.5);
    fill.setColorAt(0.0, QColor(0xee, 0x3a, 0x3a));
    fill.setColorAt(0.5, kBrightRed);
    fill.setColorAt(1.0, kRed);
    painter.fillPath(arrow, fill);
    painter.save();
    painter.setClipPath(arrow);
    QLinearGradient gloss(0.0, 4.5, 0.0, 31.5);
    gloss.setColorAt(0.0, WithAlpha(kWhite, 70));
    gloss.setColorAt(1.0, WithAlpha(kWhite, 0));
    painter.fillRect(QRectF(0.0, 0.0, 144.0, 31.5), gloss);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kGold, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(arrow);

    PaintBadge(painter, QPointF(23.0, 31.5), 10.5);
    PaintTextAt(painter, QPointF(39.0, 36.0), QStringLiteral("click here"), MakeFont(kSans, 13, QFont::Bold),
                kWhite, WithAlpha(kInk, 200));
    painter.end();
    return image;
}

QImage Emblem() {
    constexpr int kSize = 290;
    constexpr qreal kRadius = 139.0;
    const QPointF centre(kSize / 2.0, kSize / 2.0);
    QImage image = NewImage(kSize, kSize);
    QPainter painter;
    BeginPainting(painter, image);

    QPainterPath disc;
    disc.addEllipse(centre, kRadius, kRadius);
    PaintShadow(painter, disc, QPointF(0.0, 2.0), 2, WithAlpha(kInk, 200));
    QRadialGradient fill(centre.x() - 40.0, centre.y() - 50.0, 230.0);
    fill.setColorAt(0.0, kWineLight);
    fill.setColorAt(0.45, kWine);
    fill.setColorAt(0.8, kWineDeep);
    fill.setColorAt(1.0, kPanel);
    painter.fillPath(disc, fill);

    QLinearGradient rim(0.0, centre.y() - kRadius, 0.0, centre.y() + kRadius);
    rim.setColorAt(0.0, kGoldLight);
    rim.setColorAt(0.5, kGold);
    rim.setColorAt(1.0, kGoldDark);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(rim), 3.0));
    painter.drawEllipse(centre, kRadius - 2.0, kRadius - 2.0);
    painter.setPen(QPen(WithAlpha(kGold, 140), 1.0));
    painter.drawEllipse(centre, kRadius - 7.0, kRadius - 7.0);
    const qreal innerRadius = 108.0;
    painter.setPen(QPen(WithAlpha(kGold, 190), 1.2));
    painter.drawEllipse(centre, innerRadius, innerRadius);

    const QFont arcFont = MakeFont(kSans, 11, QFont::Bold);
    PaintTextOnArc(painter, centre, 116.0, ArcSide::Top, QStringLiteral("LUMITRA ABBREVIATION DICTIONARY"),
                   arcFont, kGoldLight, 1.2);
    PaintTextOnArc(painter, centre, 125.0, ArcSide::Bottom, QStringLiteral("LUMITRA SOFTWARE \u2022 V 1.0.0"),
                   arcFont, kGoldLight, 1.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF dot(centre.x() + side * 120.0, centre.y());
        const std::array<QPointF, 4> diamond = {dot + QPointF(0.0, -4.0), dot + QPointF(3.0, 0.0),
                                                dot + QPointF(0.0, 4.0), dot + QPointF(-3.0, 0.0)};
        painter.drawPolygon(diamond.data(), static_cast<int>(diamond.size()));
    }

    PaintTextOnBaseline(painter, QPointF(centre.x(), centre.y() - 58.0), QStringLiteral("Five Dictionaries"),
                        MakeFont(kSerif, 15, QFont::Bold, true), kGold, WithAlpha(kInk, 220));
    PaintFadingRule(painter, centre.x() - 62.0, centre.x() + 62.0, centre.y() - 49.5, WithAlpha(kGold, 170));

    const QStringList names = {
        QStringLiteral("Oxford Abbreviation Dictionary"), QStringLiteral("Computer Abbreviation Dictionary"),
        QStringLiteral("Complete Hardware Dictionary"), QStringLiteral("Abbreviation of Bangladesh"),
        QStringLiteral("Abbreviation of International")};
    const QFont nameFont = MakeFont(kCondensedSans, 11);
    const QFont numberFont = MakeFont(kSans, 9, QFont::Bold);
    qreal widest = 0.0;
    for (const QString& name : names) {
        widest = std::max(widest, QFontMetricsF(nameFont).horizontalAdvance(name));
    }
    constexpr qreal kNumberRadius = 6.5;
    constexpr qreal kNumberGap = 5.0;
    const qreal left = std::round(centre.x() - (2.0 * kNumberRadius + kNumberGap + widest) / 2.0);
    for (qsizetype i = 0; i < names.size(); ++i) {
        const qreal middle = centre.y() - 32.0 + 19.0 * static_cast<qreal>(i);
        const QPointF number(left + kNumberRadius, middle);
        painter.setPen(QPen(kGoldDark, 0.8));
        painter.setBrush(kGold);
        painter.drawEllipse(number, kNumberRadius, kNumberRadius);
        PaintTextCentred(painter, number, QString::number(i + 1), numberFont, kWineDeep);
        PaintTextAt(painter, QPointF(left + 2.0 * kNumberRadius + kNumberGap, middle + 4.0), names.at(i),
                    nameFont, kWhite, WithAlpha(kInk, 200));
    }
    PaintTextOnBaseline(painter, QPointF(centre.x(), centre.y() + 78.0),
                        QStringLiteral("1,801 abbreviations"), MakeFont(kSerif, 12, QFont::Normal, true),
                        WithAlpha(kGoldLight, 220), WithAlpha(kInk, 200));
    painter.end();
    return image;
}

} // namespace artwork::browser
