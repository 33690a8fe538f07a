#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <string_view>

namespace frontend {

// A built-in picture, decoded once for the whole run: a window that loads again draws at once.
QPixmap Picture(std::string_view path);

// A built-in icon, made once for the whole run and shared by every window that shows it.
QIcon Icon(std::string_view path);

// The picture as the build stored it ready to draw, or a null image where it did not. The image
// reads the executable's own bytes: nothing is decoded or copied.
QImage ReadyToDraw(std::string_view path);

} // namespace frontend
