#pragma once

#include <compare>
#include <cstdint>
#include <string_view>
#include <vector>

namespace platform {

// Regions: areas of whole pixels, named by handles. A rectangle takes in its left and top edges
// and leaves out its right and bottom ones.

using HRGN = std::int32_t;

inline constexpr int RGN_AND = 1;
inline constexpr int RGN_OR = 2;
inline constexpr int RGN_XOR = 3;
inline constexpr int RGN_DIFF = 4;
inline constexpr int RGN_COPY = 5;

// Results of CombineRgn.
inline constexpr int REGION_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;
inline constexpr int COMPLEXREGION = 3;

HRGN CreateRectRgn(int x1, int y1, int x2, int y2);
HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h);
HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2);
int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode);
// Frees a region; nonzero on success, 0 for a handle that names no region.
int DeleteObject(HRGN region);

// One row of a region: pixels x1 <= x < x2 on row y.
struct RegionSpan {
    int y;
    int x1;
    int x2;
};

bool IsRegion(HRGN region);
bool PtInRegion(HRGN region, int x, int y);
// The region's pixels, row by row from the top, each row's spans from the left, never touching.
std::vector<RegionSpan> RegionSpans(HRGN region);
// How many regions exist at this moment.
int LiveRegionCount();

// A record of the region calls made while a log is set, for checking the arguments a routine passes.
struct RegionCall {
    std::string_view name;
    std::vector<int> arguments;
    bool operator==(const RegionCall&) const = default;
};
void SetRegionCallLog(std::vector<RegionCall>* log);

} // namespace platform
