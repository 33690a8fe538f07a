#pragma once

#include <QPixmap>

#include <string_view>

namespace platform::qt {

// A built-in picture, decoded once for the whole run: a window that loads again draws at once.
QPixmap Picture(std::string_view path);

} // namespace platform::qt
