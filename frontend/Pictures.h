#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <string_view>
#include <vector>

namespace frontend {

// A built-in picture, decoded once for the whole run: a window that loads again draws at once.
QPixmap Picture(std::string_view path);

// Every image a built-in picture holds, in its order: an icon file holds one or more. Read once for
// the whole run.
const std::vector<QImage>& Images(std::string_view path);

// A built-in icon with an image of every size it holds, made once for the whole run and shared by
// every window that shows it: the desktop takes the size it needs.
QIcon Icon(std::string_view path);

// The picture a pointer shows: of an icon with several images, the one of a pointer's size.
QPixmap PointerPicture(std::string_view path);

// The picture as the build stored it ready to draw, or a null image where it did not. The image
// reads the executable's own bytes: nothing is decoded or copied.
QImage ReadyToDraw(std::string_view path);

} // namespace frontend
