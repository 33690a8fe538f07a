// Writes the first image of an icon file as a PNG picture, for the desktop's icon theme.
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: iconpng ICON.ico OUT.png\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        std::fprintf(stderr, "iconpng: cannot read %s\n", argv[1]);
        return 1;
    }
    if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "iconpng: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
