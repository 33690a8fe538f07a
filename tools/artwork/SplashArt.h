#pragma once

#include <QImage>

// The splash window's pictures, each at the size it is laid out at (one pixel per 15 twips).
namespace artwork::splash {

QImage Background(); // 310 x 270
// The progress bar at three fill levels, 230 x 30 each. Each is drawn over the part of the
// background it covers, so that the bar stands at the same place on the screen in all three.
QImage ProgressShort(const QImage& background);     // about one fifth
QImage ProgressTwoThirds(const QImage& background); // about two thirds
QImage ProgressFull(const QImage& background);      // all of it

} // namespace artwork::splash
