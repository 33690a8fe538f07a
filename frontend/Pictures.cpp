#include "frontend/Pictures.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QResource>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>

namespace frontend {

namespace {

std::uint32_t Word(const uchar* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

} // namespace

QImage ReadyToDraw(std::string_view picture) {
    const QString path = QString::fromUtf8(picture.data(), static_cast<qsizetype>(picture.size()));
    if (!path.startsWith(QStringLiteral(":/")))
        return {};
    const QResource stored(QStringLiteral(":/decoded/") + path.mid(2) + QStringLiteral(".argb"));
    if (!stored.isValid() || stored.compressionAlgorithm() != QResource::NoCompression || stored.size() < 12)
        return {};
    const uchar* bytes = stored.data();
    if (std::memcmp(bytes, "LPIC", 4) != 0)
        return {};
    const std::uint32_t width = Word(bytes + 4), height = Word(bytes + 8);
    if (width == 0 || height == 0 || width > 1u << 14 || height > 1u << 14 ||
        static_cast<qint64>(width) * height * 4 != stored.size() - 12)
        return {};
    return QImage(bytes + 12, static_cast<int>(width), static_cast<int>(height),
                  static_cast<qsizetype>(width) * 4, QImage::Format_ARGB32_Premultiplied);
}

namespace {

std::map<std::string, QPixmap, std::less<>>& Pixmaps() {
    static std::map<std::string, QPixmap, std::less<>> decoded;
    static const bool cleared = [] {
        // The pictures go with the application, not after it.
        qAddPostRoutine([] { Pixmaps().clear(); });
        return true;
    }();
    (void)cleared;
    return decoded;
}

} // namespace

QPixmap Picture(std::string_view path) {
    auto& decoded = Pixmaps();
    if (auto it = decoded.find(path); it != decoded.end())
        return it->second;
    const QString name = QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
    const QImage ready = ReadyToDraw(path);
    const QPixmap pixmap = ready.isNull() ? QPixmap(name) : QPixmap::fromImage(ready);
    decoded.emplace(std::string(path), pixmap);
    return pixmap;
}

const std::vector<QImage>& Images(std::string_view path) {
    static std::map<std::string, std::vector<QImage>, std::less<>> read;
    if (auto it = read.find(path); it != read.end())
        return it->second;
    QImageReader reader(QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size())));
    std::vector<QImage> images;
    for (QImage image = reader.read(); !image.isNull();
         image = reader.jumpToNextImage() ? reader.read() : QImage())
        images.push_back(image);
    return read.emplace(std::string(path), std::move(images)).first->second;
}

QIcon Icon(std::string_view path) {
    static std::map<std::string, QIcon, std::less<>> made;
    static const bool cleared = [] {
        qAddPostRoutine([] { made.clear(); });
        return true;
    }();
    (void)cleared;
    if (auto it = made.find(path); it != made.end())
        return it->second;
    // One image of each size, the first: an icon file holds an image for a colour screen before those
    // of the same size for screens of fewer colours, and a desktop here has a colour screen.
    QIcon icon;
    std::vector<QSize> sizes;
    for (const QImage& image : Images(path))
        if (std::find(sizes.begin(), sizes.end(), image.size()) == sizes.end()) {
            sizes.push_back(image.size());
            icon.addPixmap(QPixmap::fromImage(image));
        }
    made.emplace(std::string(path), icon);
    return icon;
}

QPixmap PointerPicture(std::string_view path) {
    const std::vector<QImage>& images = Images(path);
    if (images.size() <= 1)
        return Picture(path);
    // The system's pointers are 32 x 32 pixels.
    const auto pointerSized = std::find_if(images.begin(), images.end(),
                                           [](const QImage& image) { return image.size() == QSize(32, 32); });
    return QPixmap::fromImage(pointerSized != images.end() ? *pointerSized : images.front());
}

} // namespace frontend
