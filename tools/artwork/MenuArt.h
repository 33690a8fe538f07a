#pragma once

#include <QImage>

// The start menu's pictures, each at the size it is laid out at (one pixel per 15 twips).
namespace artwork::menu {

QImage Background(); // 500 x 417
// The title-bar buttons, drawn over the part of the background they cover.
QImage Exit(const QImage& background);     // 22 x 16
QImage Minimize(const QImage& background); // 22 x 16

} // namespace artwork::menu
