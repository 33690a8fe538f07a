#include "forms/Placement.h"

#include <gtest/gtest.h>

namespace {

TEST(Placement, ACentredWindowStandsHalfWayInTwipsRoundedToTheEvenPixel) {
    struct Case {
        const char* what;
        int screenWidth, screenHeight;
        float width, height, twipsPerPixel;
        forms::PixelPoint at;
    } cases[] = {
        {"splash window, 1280 x 1024", 1280, 1024, 4860, 4290, 15, {478, 369}},
        {"help window, 1280 x 1024: 292.5 down", 1280, 1024, 8460, 6585, 15, {358, 292}},
        {"browser window, 1280 x 1024: 306.5 across", 1280, 1024, 10005, 8790, 15, {306, 219}},
        {"start menu, 1280 x 1024: 379.5 across", 1280, 1024, 7815, 6480, 15, {380, 296}},
        {"splash window, 1024 x 768", 1024, 768, 4860, 4290, 15, {350, 241}},
        {"splash window, odd screen 1023 x 767", 1023, 767, 4860, 4290, 15, {350, 240}},
        {"start menu, odd screen 1023 x 767", 1023, 767, 7815, 6480, 15, {251, 168}},
        {"splash window at 120 dots per inch", 1600, 1200, 4860, 4290, 12, {598, 421}},
        {"a window wider and taller than the screen", 200, 101, 10005, 8790, 15, {-234, -242}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(forms::CentredOnScreen(c.screenWidth, c.screenHeight, c.width, c.height, c.twipsPerPixel,
                                         c.twipsPerPixel),
                  c.at)
            << c.what;
}

} // namespace
