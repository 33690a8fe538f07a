// Turns a picture into the form the program draws from without decoding: the header "LPIC", the
// width and height as 32-bit little-endian numbers, then the rows of premultiplied 32-bit pixels.
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <fstream>

namespace {

void PutWord(std::ofstream& out, std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
    out.write(bytes, 4);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: rawpicture PICTURE.png OUT.argb\n");
        return 2;
    }
    const QImage picture =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) {
        std::fprintf(stderr, "rawpicture: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write("LPIC", 4);
    PutWord(out, static_cast<std::uint32_t>(picture.width()));
    PutWord(out, static_cast<std::uint32_t>(picture.height()));
    for (int y = 0; y < picture.height(); ++y)
        out.write(reinterpret_cast<const char*>(picture.constScanLine(y)), picture.width() * 4);
    if (!out) {
        std::fprintf(stderr, "rawpicture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
