#pragma once

#include <QImage>
#include <QRect>

// The parts the windows' pictures have in common.
namespace artwork {

// A title-bar button at place over a window's background: a white cross (exit, back) or a white bar
// (minimise) on a raised dark red tile. Every window's title-bar buttons are drawn by it.
QImage TitleBarButton(const QImage& background, const QRect& place, bool cross);

} // namespace artwork
