#pragma once

#include <QImage>
#include <QPainter>

namespace artwork {

// The program's icon drawn into rect; below 32 pixels it drops the book so the monogram stays legible.
void PaintIcon(QPainter& painter, const QRectF& rect);

namespace common {

// The icon of every window but the help window, 64 x 64.
QImage Icon();

} // namespace common
} // namespace artwork
