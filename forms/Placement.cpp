#include "forms/Placement.h"

#include "forms/Numeric.h"

namespace forms {

PixelPoint CentredOnScreen(int screenWidth, int screenHeight, float windowWidth, float windowHeight,
                           float twipsPerPixelX, float twipsPerPixelY) {
    const double left = (screenWidth * static_cast<double>(twipsPerPixelX) - windowWidth) / 2;
    const double top = (screenHeight * static_cast<double>(twipsPerPixelY) - windowHeight) / 2;
    // Half a pixel goes to the even neighbour, as in every other conversion of twips to pixels the
    // runtime makes (the window outline's among them), rather than always to one side.
    return {static_cast<int>(RoundHalfEven(left / twipsPerPixelX)),
            static_cast<int>(RoundHalfEven(top / twipsPerPixelY))};
}

} // namespace forms
