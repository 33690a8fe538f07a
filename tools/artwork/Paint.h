#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <functional>

// Drawing helpers shared by the pictures: fonts, shadows, lettering and the recurring motifs
// (the round logo, the book, the raised button tile).
namespace artwork {

// The font families the pictures are lettered in; the renderer refuses to run without them, since a
// substitute would change every picture.
inline const QString kSans = QStringLiteral("DejaVu Sans");
inline const QString kSerif = QStringLiteral("DejaVu Serif");
inline const QString kCondensedSans = QStringLiteral("DejaVu Sans Condensed");
// Narrower than DejaVu Sans, so that the small button lettering can stay larger.
inline const QString kNarrowSans = QStringLiteral("Liberation Sans");
// The serif the windows show for Times New Roman, so that a picture can leave room for such a label.
inline const QString kTimesSerif = QStringLiteral("Liberation Serif");
inline const QStringList kFontFamilies = {kSans, kSerif, kCondensedSans, kNarrowSans, kTimesSerif};

// A transparent ARGB image, ready for an antialiased painter.
QImage NewImage(int width, int height);
// Starts a painter with antialiasing on.
void BeginPainting(QPainter& painter, QImage& image);

QFont MakeFont(const QString& family, int pixelSize, QFont::Weight weight = QFont::Normal,
               bool italic = false, int stretch = QFont::AnyStretch);
// The largest pixel size, at most startSize, at which every text fits into maxWidth in font.
int FittingPixelSize(QFont font, const QStringList& texts, qreal maxWidth, int startSize);

// Three passes of a box blur, which is close enough to a gaussian for soft shadows.
void Blur(QImage& image, int radius);
// A soft shadow of path, painted under whatever is drawn next.
void PaintShadow(QPainter& painter, const QPainterPath& path, QPointF offset, int blurRadius, QColor colour);

// Text standing on the baseline from origin, over its shadow one pixel lower if shadow is not transparent.
void PaintTextAt(QPainter& painter, QPointF origin, const QString& text, const QFont& font, QColor colour,
                 QColor shadow = Qt::transparent);

// Text whose advance is centred on baselineCentre.x(), standing on baselineCentre.y().
void PaintTextOnBaseline(QPainter& painter, QPointF baselineCentre, const QString& text, const QFont& font,
                         QColor colour, QColor shadow = Qt::transparent);
// Text whose inked area is centred on centre.
void PaintTextCentred(QPainter& painter, QPointF centre, const QString& text, const QFont& font,
                      QColor colour);
// Text along a circle of the given baseline radius, centred at the top (reading clockwise, letters
// standing outward) or at the bottom (reading left to right, letters standing inward).
enum class ArcSide { Top, Bottom };
void PaintTextOnArc(QPainter& painter, QPointF centre, qreal radius, ArcSide side, const QString& text,
                    const QFont& font, QColor colour, qreal letterSpacing = 0.0);

// The round company logo: a gold ring around a red disc with the monogram "LA".
void PaintBadge(QPainter& painter, QPointF centre, qreal radius);

// A raised, rounded button surface in the window's reds.
void PaintTile(QPainter& painter, const QRectF& rect, qreal radius);

// A closed book seen from the front; motif draws the gold sign on its cover into the given area.
using CoverMotif = std::function<void(QPainter&, const QRectF&)>;
void PaintBook(QPainter& painter, const QRectF& rect, const CoverMotif& motif);

// A horizontal hairline that fades out towards both ends.
void PaintFadingRule(QPainter& painter, qreal left, qreal right, qreal y, QColor colour);

} // namespace artwork
