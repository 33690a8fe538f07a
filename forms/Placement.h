#pragma once

namespace forms {

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Where a window that opens centred stands, in pixels from the screen's top-left corner: half of
// what the screen leaves beside the window, reckoned in twips from the screen's size in pixels and
// the window's designed size in twips, then turned into pixels.
PixelPoint CentredOnScreen(int screenWidth, int screenHeight, float windowWidth, float windowHeight,
                           float twipsPerPixelX, float twipsPerPixelY);

} // namespace forms
