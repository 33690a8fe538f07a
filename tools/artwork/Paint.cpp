#include "Paint.h"

#include "Palette.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace artwork {

QImage NewImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void BeginPainting(QPainter& painter, QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont MakeFont(const QString& family, int pixelSize, QFont::Weight weight, bool italic, int stretch) {
    QFont font(family);
    font.setStretch(stretch);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

int FittingPixelSize(QFont font, const QStringList& texts, qreal maxWidth, int startSize) {
    for (int size = startSize; size > 6; --size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font);
        const bool fits = std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
            return metrics.horizontalAdvance(text) <= maxWidth;
        });
        if (fits) {
            return size;
        }
    }
    return 6;
}

namespace {

// One pass of a running-sum box blur over count pixels spaced stride apart; outside is transparent.
void BlurLine(QRgb* data, int count, int stride, int radius, std::vector<QRgb>& copy) {
    copy.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        copy[static_cast<std::size_t>(i)] = data[i * stride];
    }
    int sum[4] = {0, 0, 0, 0};
    auto add = [&](int index, int sign) {
        if (index < 0 || index >= count) {
            return;
        }
        const QRgb pixel = copy[static_cast<std::size_t>(index)];
        sum[0] += sign * qAlpha(pixel);
        sum[1] += sign * qRed(pixel);
        sum[2] += sign * qGreen(pixel);
        sum[3] += sign * qBlue(pixel);
    };
    for (int i = -radius; i <= radius; ++i) {
        add(i, 1);
    }
    const int window = 2 * radius + 1;
    for (int i = 0; i < count; ++i) {
        data[i * stride] = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
        add(i - radius, -1);
        add(i + radius + 1, 1);
    }
}

} // namespace

void Blur(QImage& image, int radius) {
    if (radius <= 0) {
        return;
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    const int width = image.width();
    const int height = image.height();
    const int stride = static_cast<int>(image.bytesPerLine() / 4);
    std::vector<QRgb> copy;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y) {
            BlurLine(pixels + y * stride, width, 1, radius, copy);
        }
        for (int x = 0; x < width; ++x) {
            BlurLine(pixels + x, height, stride, radius, copy);
        }
    }
}

void PaintShadow(QPainter& painter, const QPainterPath& path, QPointF offset, int blurRadius, QColor colour) {
    const QSize size(painter.device()->width(), painter.device()->height());
    QImage shadow = NewImage(size.width(), size.height());
    {
        QPainter shadowPainter;
        BeginPainting(shadowPainter, shadow);
        shadowPainter.setTransform(painter.transform());
        shadowPainter.translate(offset);
        shadowPainter.fillPath(path, colour);
    }
    Blur(shadow, blurRadius);
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, shadow);
    painter.restore();
}

void PaintTextAt(QPainter& painter, QPointF origin, const QString& text, const QFont& font, QColor colour,
                 QColor shadow) {
    painter.save();
    painter.setFont(font);
    if (shadow.alpha() > 0) {
        painter.setPen(shadow);
        painter.drawText(origin + QPointF(0.0, 1.0), text);
    }
    painter.setPen(colour);
    painter.drawText(origin, text);
    painter.restore();
}

void PaintTextOnBaseline(QPainter& painter, QPointF baselineCentre, const QString& text, const QFont& font,
                         QColor colour, QColor shadow) {
    const QFontMetricsF metrics(font);
    const QPointF origin(baselineCentre.x() - metrics.horizontalAdvance(text) / 2.0, baselineCentre.y());
    PaintTextAt(painter, origin, text, font, colour, shadow);
}

void PaintTextCentred(QPainter& painter, QPointF centre, const QString& text, const QFont& font,
                      QColor colour) {
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text);
    const QPointF origin(centre.x() - ink.center().x(), centre.y() - ink.center().y());
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(origin, text);
    painter.restore();
}

void PaintTextOnArc(QPainter& painter, QPointF centre, qreal radius, ArcSide side, const QString& text,
                    const QFont& font, QColor colour, qreal letterSpacing) {
    const QFontMetricsF metrics(font);
    std::vector<qreal> advances;
    qreal total = 0.0;
    for (const QChar ch : text) {
        advances.push_back(metrics.horizontalAdvance(ch) + letterSpacing);
        total += advances.back();
    }
    total -= letterSpacing;
    const bool top = side == ArcSide::Top;
    const qreal middle = top ? -std::numbers::pi / 2.0 : std::numbers::pi / 2.0;
    const qreal direction = top ? 1.0 : -1.0;
    qreal along = -total / 2.0;
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qreal advance = advances[static_cast<std::size_t>(i)];
        const qreal glyphWidth = advance - letterSpacing;
        const qreal angle = middle + direction * (along + glyphWidth / 2.0) / radius;
        painter.save();
        painter.translate(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        const qreal degrees = angle * 180.0 / std::numbers::pi;
        painter.rotate(top ? degrees + 90.0 : degrees - 90.0);
        painter.drawText(QPointF(-glyphWidth / 2.0, 0.0), QString(text.at(i)));
        painter.restore();
        along += advance;
    }
    painter.restore();
}

void PaintBadge(QPainter& painter, QPointF centre, qreal radius) {
    painter.save();
    painter.setPen(Qt::NoPen);

    QLinearGradient ring(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
    ring.setColorAt(0.0, kGoldLight);
    ring.setColorAt(0.5, kGold);
    ring.setColorAt(1.0, kGoldDark);
    painter.setBrush(ring);
    painter.drawEllipse(centre, radius, radius);

    const qreal ringWidth = std::max(1.0, radius * 0.14);
    const qreal inner = radius - ringWidth;
    QRadialGradient disc(centre.x() - inner * 0.35, centre.y() - inner * 0.45, inner * 1.5);
    disc.setColorAt(0.0, kBrightRed);
    disc.setColorAt(0.55, kRed);
    disc.setColorAt(1.0, kWineDeep);
    painter.setBrush(disc);
    painter.drawEllipse(centre, inner, inner);

    if (radius >= 12.0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(WithAlpha(kGold, 150), std::max(0.8, radius * 0.04)));
        const qreal line = inner - std::max(1.5, radius * 0.09);
        painter.drawEllipse(centre, line, line);
    }

    const int letterSize = std::max(6, static_cast<int>(std::lround(radius * 0.92)));
    const QFont letters = MakeFont(kSerif, letterSize, QFont::Bold);
    if (radius >= 12.0) {
        PaintTextCentred(painter, centre + QPointF(0.0, radius * 0.05), QStringLiteral("LA"), letters,
                         WithAlpha(kInk, 170));
    }
    PaintTextCentred(painter, centre, QStringLiteral("LA"), letters, kGoldLight);
    painter.restore();
}

void PaintTile(QPainter& painter, const QRectF& rect, qreal radius) {
    painter.save();
    QPainterPath tile;
    tile.addRoundedRect(rect, radius, radius);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0.0, kWineLight);
    fill.setColorAt(0.55, kWine);
    fill.setColorAt(1.0, kWineDeep);
    painter.fillPath(tile, fill);

    // A lit upper edge and a dark lower edge make the tile stand out of its panel.
    painter.setClipPath(tile);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(kWhite, 46), 1.0));
    painter.drawRoundedRect(rect.adjusted(1.0, 1.0, -1.0, -1.0), radius - 1.0, radius - 1.0);
    painter.setClipping(false);
    painter.setPen(QPen(WithAlpha(kInk, 200), 1.0));
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

void PaintBook(QPainter& painter, const QRectF& rect, const CoverMotif& motif) {
    painter.save();
    const QRectF cover(rect.x(), rect.y(), rect.width() - 3.0, rect.height() - 3.0);
    const QRectF pages(rect.x() + 2.0, rect.y() + 2.0, rect.width() - 2.5, rect.height() - 2.5);
    const QRectF back(rect.x() + 2.5, rect.y() + 2.5, rect.width() - 2.5, rect.height() - 2.5);

    QPainterPath whole;
    whole.addRoundedRect(rect.adjusted(0.0, 0.0, 0.5, 0.5), 2.0, 2.0);
    PaintShadow(painter, whole, QPointF(1.0, 1.5), 1, WithAlpha(kInk, 170));

    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRoundedRect(back, 1.5, 1.5);
    QLinearGradient paper(pages.topLeft(), pages.bottomRight());
    paper.setColorAt(0.0, kCream);
    paper.setColorAt(1.0, kPaper);
    painter.setBrush(paper);
    painter.drawRoundedRect(pages.adjusted(0.0, 0.0, -0.5, -0.5), 1.0, 1.0);
    // The edges of the leaves.
    painter.setPen(QPen(WithAlpha(kGoldDark, 140), 0.6));
    painter.drawLine(QPointF(cover.right() + 1.2, pages.top() + 2.0),
                     QPointF(cover.right() + 1.2, pages.bottom() - 1.0));
    painter.drawLine(QPointF(pages.left() + 2.0, cover.bottom() + 1.2),
                     QPointF(cover.right() + 1.0, cover.bottom() + 1.2));

    QLinearGradient leather(cover.topLeft(), cover.bottomRight());
    leather.setColorAt(0.0, kBrightRed);
    leather.setColorAt(1.0, kRed);
    painter.setPen(QPen(kInk, 0.8));
    painter.setBrush(leather);
    painter.drawRoundedRect(cover, 1.5, 1.5);

    const qreal spineWidth = std::max(3.0, cover.width() * 0.16);
    const QRectF spine(cover.x(), cover.y(), spineWidth, cover.height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(kInk, 110));
    painter.drawRoundedRect(spine.adjusted(0.4, 0.4, 0.0, -0.4), 1.2, 1.2);
    painter.setPen(QPen(kGold, 0.8));
    painter.drawLine(QPointF(spine.right(), spine.top() + 0.8), QPointF(spine.right(), spine.bottom() - 0.8));
    painter.setPen(QPen(WithAlpha(kGold, 160), 0.7));
    painter.drawLine(QPointF(spine.left() + 0.8, spine.top() + 3.0),
                     QPointF(spine.right() - 0.8, spine.top() + 3.0));
    painter.drawLine(QPointF(spine.left() + 0.8, spine.bottom() - 3.0),
                     QPointF(spine.right() - 0.8, spine.bottom() - 3.0));

    const QRectF face(spine.right() + 1.5, cover.y() + 2.0, cover.right() - spine.right() - 3.0,
                      cover.height() - 4.0);
    if (motif) {
        motif(painter, face);
    }
    painter.restore();
}

void PaintFadingRule(QPainter& painter, qreal left, qreal right, qreal y, QColor colour) {
    QLinearGradient rule(left, y, right, y);
    rule.setColorAt(0.0, WithAlpha(colour, 0));
    rule.setColorAt(0.25, colour);
    rule.setColorAt(0.75, colour);
    rule.setColorAt(1.0, WithAlpha(colour, 0));
    painter.save();
    painter.setPen(QPen(QBrush(rule), 1.0));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.restore();
}

} // namespace artwork
