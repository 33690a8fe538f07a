#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <functional>

// The parts the windows' pictures have in common.
namespace artwork {

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

// A title-bar button at place over a window's background: a white cross (exit, back) or a white bar
// (minimise) on a raised dark red tile. Every window's title-bar buttons are drawn by it.
QImage TitleBarButton(const QImage& background, const QRect& place, bool cross);

} // namespace artwork
