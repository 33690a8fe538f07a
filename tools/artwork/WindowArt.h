#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

// The parts the windows' pictures have in common.
namespace artwork {

// A window's background, width x height: ink outside the rounded outline the window is cut to (along
// its left seenWidth columns), inside it the face from faceTop down, then what paint draws over area
// (the whole picture), clipped to the outline, and last the dark and the gold rim along the outline.
using WindowContent = std::function<void(QPainter& painter, const QRect& area)>;
QImage WindowBackground(int width, int height, qreal seenWidth, qreal faceTop, const WindowContent& paint);

// The reds of a window's face over area: wine at top, shading to deep wine at bottom.
void PaintFace(QPainter& painter, const QRect& area, qreal top, qreal bottom);

// A soft red glow over area, brightest (of alpha) at centre and gone at radius.
void PaintGlow(QPainter& painter, const QRect& area, QPointF centre, qreal radius, int alpha);

// The title bar of the browser, the start menu and the help window ends here.
inline constexpr qreal kTitleBarBottom = 32.0;

// The dark red band across the top of a window, width wide and bottom high, with a gloss (of
// glossAlpha) over its upper half, closed by a gold line (of lineAlpha) over a dark one.
void PaintTitleBand(QPainter& painter, qreal width, qreal bottom, int glossAlpha, int lineAlpha);

// A window's title bar across width: the band, the window's emblem at its left (drawn by
// paintEmblem), the title beside it and the shallow recess that seats the title-bar buttons.
using TitleEmblem = std::function<void(QPainter&)>;
void PaintTitleBar(QPainter& painter, qreal width, const TitleEmblem& paintEmblem, const QString& title,
                   const QRectF& buttonRecess);

// The emblem of the browser's and the start menu's title bars: the program's icon.
void PaintTitleIcon(QPainter& painter);

// A sunken panel in box with a red header band down to headerBottom, lettered title on the baseline
// at titleBaseline, framed in gold: the browser's "Change" panel and the start menu's tips box.
void PaintHeadedPanel(QPainter& painter, const QRectF& box, qreal headerBottom, const QString& title,
                      qreal titleBaseline);

// The maker's signature: the round logo and beside it the name over the slogan, centred together on
// centreX, the logo's centre at height middle.
void PaintSignature(QPainter& painter, qreal centreX, qreal middle);

// A title-bar button at place over a window's background: a white cross (exit, back) or a white bar
// (minimise) on a raised dark red tile. Every window's title-bar buttons are drawn by it.
QImage TitleBarButton(const QImage& background, const QRect& place, bool cross);

} // namespace artwork
