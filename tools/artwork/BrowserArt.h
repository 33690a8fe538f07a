#pragma once

#include <QImage>
#include <QRect>

// The browser window's pictures, each at the size it is laid out at (one pixel per 15 twips).
namespace artwork::browser {

QImage Background(); // 650 x 570
// The title-bar and back buttons are drawn over the part of the background they cover, so that
// their rounded corners blend in.
QImage Exit(const QImage& background);     // 22 x 16
QImage Minimize(const QImage& background); // 22 x 16
QImage Back(const QImage& background);     // 70 x 21
// The dictionary and help buttons, 62 x 59.
QImage Oxford();
QImage Computer();
QImage Hardware();
QImage Bangladesh();
QImage International();
QImage Help();
QImage Marker(); // 144 x 63, transparent around the arrow
QImage Emblem(); // 290 x 290, transparent around the disc

} // namespace artwork::browser
