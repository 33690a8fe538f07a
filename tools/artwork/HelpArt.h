#pragma once

#include <QImage>

// The help window's pictures, each at the size it is laid out at (one pixel per 15 twips).
namespace artwork::help {

QImage Background(); // 530 x 424
// The title-bar and page buttons are drawn over the part of the background they cover, so that
// their rounded corners blend in.
QImage Minimize(const QImage& background); // 22 x 16, a bar
QImage Back(const QImage& background);     // 22 x 16, a cross
// The page buttons, 111 x 26.
QImage TermsButton(const QImage& background);
QImage AboutButton(const QImage& background);
QImage DownloadButton(const QImage& background);
QImage HelpButton(const QImage& background);
// The page pictures, 445 x 293; the window's labels lie on them where their texts leave room.
QImage TermsPage();
QImage DownloadPage();
QImage HelpPage();
// A pointing hand whose fingertip at (12, 1) is the hot spot, 32 x 32, transparent around the hand.
QImage HandPointer();
// A hand holding a pointer stick aimed at the top-left corner, size x size (32 or 16).
QImage StickPointer(int size);
// The window's icon, 32 x 32 each: a question mark on a round badge, red on white, white on green,
// and black on white with hard edges.
enum class IconColours { RedOnWhite, WhiteOnGreen };
QImage Icon(IconColours colours);
QImage IconMonochrome();

} // namespace artwork::help
