#include "forms/Runtime.h"
#include "platform/core/Regions.h"
#include "platform/core/User32.h"
#include "skin/SkinnedForm.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using forms::ControlKind;
using platform::RegionCall;

forms::ControlDesign Outline(float left, float top, float width, float height, int shape, int index = 0) {
    return {.kind = ControlKind::Shape,
            .name = "shpborder",
            .index = index,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .visible = false,
            .shape = shape};
}

// A window whose outline shapes a test sets before its first load.
class OutlineForm : public skin::SkinnedForm {
public:
    static inline forms::FormDesign design;
    static inline int lowerBound = -1, upperBound = -1; // set both to force other bounds
    explicit OutlineForm(forms::Runtime& rt) : SkinnedForm(rt, design) {}
    platform::HRGN Make(std::int16_t xOffset = 0, std::int16_t yOffset = 0) {
        return MakeBorderRegion(1.0f, 1.0f, xOffset, yOffset);
    }
    std::int16_t LBound(std::string_view name) override {
        return lowerBound >= 0 ? static_cast<std::int16_t>(lowerBound) : SkinnedForm::LBound(name);
    }
    std::int16_t UBound(std::string_view name) override {
        return upperBound >= 0 ? static_cast<std::int16_t>(upperBound) : SkinnedForm::UBound(name);
    }
};

class BorderRegionTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetRegionCallLog(&calls); }
    void TearDown() override {
        platform::SetRegionCallLog(nullptr);
        OutlineForm::lowerBound = OutlineForm::upperBound = -1;
    }
    // Builds the outline of a window with these shapes and returns the calls that made each shape's region.
    std::vector<RegionCall> ShapeCalls(std::vector<forms::ControlDesign> shapes, float twipsPerPixel,
                                       std::int16_t xOffset = 0, std::int16_t yOffset = 0) {
        OutlineForm::design = forms::FormDesign{.name = "Outline", .controls = std::move(shapes)};
        rt.SetTwipsPerPixel(twipsPerPixel, twipsPerPixel);
        auto& form = rt.Instance<OutlineForm>();
        form.Load();
        calls.clear();
        int before = platform::LiveRegionCount();
        result = form.Make(xOffset, yOffset);
        EXPECT_EQ(platform::LiveRegionCount(), before + 1) << "exactly the outline is left";
        EXPECT_EQ(result, form.BorderRegion);
        std::vector<RegionCall> made;
        for (std::size_t i = 2; i < calls.size(); ++i) // the first two make the empty outline and scratch
            if (calls[i].name.starts_with("Create"))
                made.push_back(calls[i]);
        return made;
    }
    forms::Runtime rt;
    std::vector<RegionCall> calls;
    platform::HRGN result = 0;
};

TEST_F(BorderRegionTest, TheFourWindowsOutlinesAtFifteenTwipsPerPixel) {
    struct Case {
        const char* window;
        float width, height;
        std::vector<int> expected;
    } cases[] = {
        {"splash window", 4635, 4050, {0, 0, 309, 270, 28, 28}},
        {"start menu", 7520, 6270, {0, 0, 501, 418, 28, 28}},
        {"browser window", 9770, 8570, {0, 0, 651, 571, 28, 28}},
        {"help window", 7950, 6375, {0, 0, 530, 425, 28, 28}},
    };
    for (const Case& c : cases) {
        forms::Runtime runtime;
        OutlineForm::design = {.name = "Outline", .controls = {Outline(0, 0, c.width, c.height, 4)}};
        auto& form = runtime.Instance<OutlineForm>();
        form.Load();
        calls.clear();
        form.Make();
        ASSERT_GE(calls.size(), 3u) << c.window;
        EXPECT_EQ(calls[2], (RegionCall{"CreateRoundRectRgn", c.expected})) << c.window;
    }
}

TEST_F(BorderRegionTest, TheCallsComeInTheirOrderAndLeaveOnlyTheOutline) {
    ShapeCalls({Outline(0, 0, 150, 150, 0)}, 15);
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0], (RegionCall{"CreateRectRgn", {0, 0, 0, 0}}));
    EXPECT_EQ(calls[1], (RegionCall{"CreateRectRgn", {0, 0, 0, 0}}));
    EXPECT_EQ(calls[2], (RegionCall{"CreateRectRgn", {0, 0, 10, 10}}));
    EXPECT_EQ(calls[3].name, "CombineRgn");
    EXPECT_EQ(calls[3].arguments[3], platform::RGN_COPY);
    EXPECT_EQ(calls[4].name, "CombineRgn");
    EXPECT_EQ(calls[4].arguments[3], platform::RGN_OR);
    EXPECT_EQ(calls[5].name, "DeleteObject");
    EXPECT_EQ(calls[6].name, "DeleteObject");
    EXPECT_TRUE(platform::PtInRegion(result, 9, 9));
    EXPECT_FALSE(platform::PtInRegion(result, 10, 9));
}

TEST_F(BorderRegionTest, EdgesRoundTiesToEvenWithTheOffsetAddedFirst) {
    struct Case {
        const char* what;
        forms::ControlDesign shape;
        float factor;
        std::int16_t xOffset, yOffset;
        std::vector<int> expected;
    } cases[] = {
        {"start menu at 12", Outline(0, 0, 7520, 6270, 4), 12, 0, 0, {0, 0, 627, 522, 28, 28}},
        {"help window at 12", Outline(0, 0, 7950, 6375, 4), 12, 0, 0, {0, 0, 662, 531, 28, 28}},
        {"splash window at 12", Outline(0, 0, 4635, 4050, 4), 12, 0, 0, {0, 0, 386, 338, 28, 28}},
        {"offset before rounding", Outline(0, 0, 7520, 6270, 4), 12, 0, 1, {0, 1, 627, 524, 28, 28}},
        {"offset without a tie", Outline(30, 45, 150, 150, 4), 15, 3, -2, {5, 1, 15, 11, 28, 28}},
        {"right edge from the sum", Outline(10, 0, 10, 15, 0), 15, 0, 0, {1, 0, 1, 1}},
        {"square 103 x 100", Outline(0, 0, 103, 100, 1), 1, 0, 0, {2, 0, 101, 100}},
        {"square 101 x 100", Outline(0, 0, 101, 100, 1), 1, 0, 0, {0, 0, 101, 100}},
        {"square 105 x 100", Outline(0, 0, 105, 100, 1), 1, 0, 0, {2, 0, 103, 100}},
        {"square of equal sides", Outline(7, 9, 50, 50, 1), 1, 0, 0, {7, 9, 57, 59}},
        {"circle taller than wide", Outline(0, 0, 100, 140, 3), 1, 0, 0, {0, 20, 100, 120}},
        {"rounded square wider than tall", Outline(0, 0, 140, 100, 5), 1, 0, 0, {20, 0, 120, 100, 28, 28}},
        {"oval", Outline(0, 0, 90, 60, 2), 1, 0, 0, {0, 0, 90, 60}},
    };
    for (const Case& c : cases) {
        forms::Runtime runtime;
        OutlineForm::design = {.name = "Outline", .controls = {c.shape}};
        runtime.SetTwipsPerPixel(c.factor, c.factor);
        auto& form = runtime.Instance<OutlineForm>();
        form.Load();
        calls.clear();
        form.Make(c.xOffset, c.yOffset);
        ASSERT_GE(calls.size(), 3u) << c.what;
        EXPECT_EQ(calls[2].arguments, c.expected) << c.what;
    }
}

TEST_F(BorderRegionTest, AShapeOfAnUnknownKindIsAnOvalAndIsRewrittenAsOne) {
    for (int kind : {6, -1, 2}) {
        forms::Runtime runtime;
        OutlineForm::design = {.name = "Outline", .controls = {Outline(0, 0, 300, 150, kind)}};
        auto& form = runtime.Instance<OutlineForm>();
        form.Load();
        calls.clear();
        form.Make();
        EXPECT_EQ(calls[2], (RegionCall{"CreateEllipticRgn", {0, 0, 20, 10}})) << kind;
        EXPECT_EQ(form.Ctl("shpborder", 0).Shape(), 2) << kind;
    }
}

TEST_F(BorderRegionTest, BoundsThatDoNotMeetGiveAnEmptyOutline) {
    OutlineForm::lowerBound = 1;
    OutlineForm::upperBound = 0;
    auto made = ShapeCalls({Outline(0, 0, 300, 300, 4)}, 15);
    EXPECT_TRUE(made.empty());
    EXPECT_TRUE(platform::RegionSpans(result).empty());
    EXPECT_EQ(calls.back().name, "DeleteObject") << "the scratch region is still deleted";
}

TEST_F(BorderRegionTest, OverlappingShapesGiveTheirUnionInEitherOrder) {
    auto a = Outline(0, 0, 300, 150, 0, 0), b = Outline(150, 75, 300, 300, 2, 1);
    ShapeCalls({a, b}, 15);
    auto first = platform::RegionSpans(result);
    b.index = 0;
    a.index = 1;
    forms::Runtime other;
    OutlineForm::design = {.name = "Outline", .controls = {b, a}};
    auto& form = other.Instance<OutlineForm>();
    auto second = platform::RegionSpans(form.Make());
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_TRUE(first[i].y == second[i].y && first[i].x1 == second[i].x1 && first[i].x2 == second[i].x2);
    EXPECT_TRUE(platform::PtInRegion(result, 1, 1));   // only the rectangle
    EXPECT_TRUE(platform::PtInRegion(result, 20, 20)); // only the oval
    EXPECT_FALSE(platform::PtInRegion(result, 29, 1)); // neither
}

TEST_F(BorderRegionTest, FaultsInTheArithmeticAreRunTimeErrors) {
    struct Case {
        const char* what;
        float factor, width;
        int error;
    } cases[] = {
        {"zero factor", 0, 300, forms::ErrDivisionByZero},
        {"coordinate beyond 32 bits", 1e-8f, 300, forms::ErrOverflow},
        {"inset beyond 16 bits", 15, 1e6f, forms::ErrOverflow},
    };
    for (const Case& c : cases) {
        forms::Runtime runtime;
        OutlineForm::design = {.name = "Outline", .controls = {Outline(0, 0, c.width, 100, 1)}};
        runtime.SetTwipsPerPixel(c.factor, c.factor);
        auto& form = runtime.Instance<OutlineForm>();
        form.Load();
        try {
            form.Make();
            ADD_FAILURE() << c.what;
        } catch (const forms::RuntimeError& e) {
            EXPECT_EQ(e.Number(), c.error) << c.what;
        }
    }
}

TEST(Regions, RoundedCornersLeaveTheCornerPixelsOut) {
    platform::HRGN r = platform::CreateRoundRectRgn(0, 0, 651, 571, 28, 28);
    EXPECT_FALSE(platform::PtInRegion(r, 0, 0));
    EXPECT_FALSE(platform::PtInRegion(r, 650, 570));
    EXPECT_TRUE(platform::PtInRegion(r, 14, 14));
    EXPECT_TRUE(platform::PtInRegion(r, 325, 0));
    EXPECT_TRUE(platform::PtInRegion(r, 0, 285));
    EXPECT_FALSE(platform::PtInRegion(r, 651, 285)) << "the right edge is left out";
    EXPECT_EQ(platform::DeleteObject(r), 1);
    EXPECT_EQ(platform::DeleteObject(r), 0);
    EXPECT_EQ(platform::CombineRgn(r, r, r, platform::RGN_OR), platform::REGION_ERROR);
}

} // namespace
