#include "IconFile.h"

#include <QBuffer>
#include <QDataStream>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace artwork {

namespace {

using Colour = std::array<int, 3>;

Colour ColourOf(QRgb pixel) {
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

int Distance(const Colour& a, const Colour& b) {
    const int r = a[0] - b[0], g = a[1] - b[1], bl = a[2] - b[2];
    return r * r + g * g + bl * bl;
}

// A palette of at most count colours for the pixels, by median cut: the box of colours with the
// widest spread is halved at its median along that spread until there are enough boxes, and each box
// gives the mean of its colours.
std::vector<Colour> MedianCut(std::vector<Colour> pixels, int count) {
    std::vector<Colour> distinct = pixels;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    if (static_cast<int>(distinct.size()) <= count)
        return distinct;
    struct Box {
        std::size_t begin, end;
    };
    auto spread = [&](const Box& box, int& channel) {
        int widest = -1;
        for (int c = 0; c < 3; ++c) {
            int low = 255, high = 0;
            for (std::size_t i = box.begin; i < box.end; ++i) {
                low = std::min(low, pixels[i][c]);
                high = std::max(high, pixels[i][c]);
            }
            if (high - low > widest) {
                widest = high - low;
                channel = c;
            }
        }
        return widest;
    };
    std::vector<Box> boxes = {{0, pixels.size()}};
    while (static_cast<int>(boxes.size()) < count) {
        int best = -1, bestChannel = 0;
        long bestScore = 0;
        for (std::size_t b = 0; b < boxes.size(); ++b) {
            int channel = 0;
            const long score = static_cast<long>(spread(boxes[b], channel)) *
                               static_cast<long>(boxes[b].end - boxes[b].begin);
            if (boxes[b].end - boxes[b].begin > 1 && score > bestScore) {
                best = static_cast<int>(b);
                bestScore = score;
                bestChannel = channel;
            }
        }
        if (best < 0)
            break;
        Box& box = boxes[static_cast<std::size_t>(best)];
        const auto first = pixels.begin() + static_cast<std::ptrdiff_t>(box.begin);
        const auto last = pixels.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::sort(first, last,
                  [&](const Colour& a, const Colour& b) { return a[bestChannel] < b[bestChannel]; });
        const std::size_t middle = box.begin + (box.end - box.begin) / 2;
        const Box upper{middle, box.end};
        box.end = middle;
        boxes.push_back(upper);
    }
    std::vector<Colour> palette;
    for (const Box& box : boxes) {
        long sum[3] = {0, 0, 0};
        for (std::size_t i = box.begin; i < box.end; ++i)
            for (int c = 0; c < 3; ++c)
                sum[c] += pixels[i][c];
        const long n = static_cast<long>(box.end - box.begin);
        palette.push_back({static_cast<int>((sum[0] + n / 2) / n), static_cast<int>((sum[1] + n / 2) / n),
                           static_cast<int>((sum[2] + n / 2) / n)});
    }
    return palette;
}

struct Paletted {
    std::vector<Colour> palette;     // black first: what a hidden pixel holds
    std::vector<std::uint8_t> index; // per pixel, row by row from the top
    std::vector<bool> hidden;
};

Paletted Reduce(const QImage& source, int colours) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    Paletted out;
    std::vector<Colour> shown;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            out.hidden.push_back(qAlpha(pixel) < 128);
            if (qAlpha(pixel) >= 128)
                shown.push_back(ColourOf(pixel));
        }
    out.palette = {{0, 0, 0}};
    if (colours == 2) {
        out.palette.push_back({255, 255, 255});
    } else {
        for (const Colour& c : MedianCut(shown, colours - 1))
            if (c != out.palette.front())
                out.palette.push_back(c);
    }
    std::size_t at = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x, ++at) {
            if (out.hidden[at]) {
                out.index.push_back(0);
                continue;
            }
            const Colour c = ColourOf(image.pixel(x, y));
            std::size_t nearest = 0;
            int distance = std::numeric_limits<int>::max();
            for (std::size_t p = 0; p < out.palette.size(); ++p)
                if (const int d = Distance(c, out.palette[p]); d < distance) {
                    distance = d;
                    nearest = p;
                }
            out.index.push_back(static_cast<std::uint8_t>(nearest));
        }
    return out;
}

int BitsFor(int colours) {
    return colours == 2 ? 1 : colours == 16 ? 4 : colours == 256 ? 8 : 32;
}

int RowBytes(int width, int bits) {
    return (width * bits + 31) / 32 * 4;
}

// The image's bitmap as an icon file stores it: a header, the palette, the colour rows and then the
// mask rows, both from the bottom row up.
QByteArray Bitmap(const IconImage& icon) {
    const int width = icon.image.width(), height = icon.image.height();
    const int bits = BitsFor(icon.colours);
    const QImage argb = icon.image.convertToFormat(QImage::Format_ARGB32);
    Paletted reduced;
    if (bits <= 8)
        reduced = Reduce(icon.image, icon.colours);
    const int colourRow = RowBytes(width, bits), maskRow = RowBytes(width, 1);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(bits) << quint32(0)
        << quint32((colourRow + maskRow) * height) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
    if (bits <= 8)
        for (int p = 0; p < 1 << bits; ++p) {
            const Colour c = p < static_cast<int>(reduced.palette.size())
                                 ? reduced.palette[static_cast<std::size_t>(p)]
                                 : Colour{0, 0, 0};
            out << quint8(c[2]) << quint8(c[1]) << quint8(c[0]) << quint8(0);
        }
    auto hidden = [&](int x, int y) {
        return bits <= 8 ? reduced.hidden[static_cast<std::size_t>(y * width + x)]
                         : qAlpha(argb.pixel(x, y)) == 0;
    };
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < width; ++x) {
            if (bits == 32) {
                const QRgb pixel = argb.pixel(x, y);
                row[4 * x] = static_cast<char>(qBlue(pixel));
                row[4 * x + 1] = static_cast<char>(qGreen(pixel));
                row[4 * x + 2] = static_cast<char>(qRed(pixel));
                row[4 * x + 3] = static_cast<char>(qAlpha(pixel));
                continue;
            }
            const int index = reduced.index[static_cast<std::size_t>(y * width + x)];
            const int bit = x * bits;
            row[bit / 8] = static_cast<char>(row[bit / 8] | index << (8 - bits - bit % 8));
        }
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < width; ++x)
            if (hidden(x, y))
                row[x / 8] = static_cast<char>(row[x / 8] | 0x80 >> (x % 8));
        out.writeRawData(row.constData(), static_cast<int>(row.size()));
    }
    return bytes;
}

} // namespace

QByteArray IconFile(const std::vector<IconImage>& images) {
    std::vector<QByteArray> bitmaps;
    for (const IconImage& icon : images)
        bitmaps.push_back(Bitmap(icon));
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& icon = images[i];
        const int bits = BitsFor(icon.colours);
        // A size of 256 and a colour count of 256 or more are written as 0.
        out << quint8(icon.image.width() & 0xFF) << quint8(icon.image.height() & 0xFF)
            << quint8(bits < 8 ? 1 << bits : 0) << quint8(0) << quint16(1) << quint16(bits)
            << quint32(bitmaps[i].size()) << offset;
        offset += static_cast<quint32>(bitmaps[i].size());
    }
    for (const QByteArray& bitmap : bitmaps)
        out.writeRawData(bitmap.constData(), static_cast<int>(bitmap.size()));
    return bytes;
}

} // namespace artwork
