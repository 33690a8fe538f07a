#pragma once

#include <QColor>

// One palette for every picture: dark reds, a warm gold accent, cream and white.
namespace artwork {

inline const QColor kInk{0x24, 0x02, 0x04};       // outlines and the darkest shadows
inline const QColor kPanel{0x36, 0x05, 0x08};     // sunken panels behind buttons
inline const QColor kWineDeep{0x42, 0x06, 0x0a};  // bottom of the work area
inline const QColor kWine{0x58, 0x0a, 0x0f};      // top of the work area
inline const QColor kWineLight{0x7a, 0x12, 0x18}; // raised surfaces
inline const QColor kRed{0xa8, 0x18, 0x1f};
inline const QColor kBrightRed{0xd9, 0x2a, 0x2f};
inline const QColor kGold{0xe8, 0xb0, 0x48};
inline const QColor kGoldLight{0xf8, 0xda, 0x8c};
inline const QColor kGoldDark{0xa0, 0x6c, 0x22};
inline const QColor kCream{0xfb, 0xf0, 0xd8};
inline const QColor kPaper{0xe9, 0xd9, 0xb8};
inline const QColor kWhite{0xff, 0xff, 0xff};

// Returns colour with the given alpha (0-255).
inline QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

} // namespace artwork
