#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace artwork {

// One image of an icon file, and how many colours it is stored in: 2, 16 or 256 in a palette of its
// own, or 0 for full colour with soft edges.
struct IconImage {
    QImage image;
    int colours;
};

// An icon file (.ico) holding the images in the order given. A paletted image keeps only its pixels
// that are at least half opaque, and shows the screen through the others.
QByteArray IconFile(const std::vector<IconImage>& images);

} // namespace artwork
