#include "platform/core/Regions.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace platform {
namespace {

using Row = std::vector<std::pair<int, int>>; // sorted, disjoint, non-touching [x1, x2)
using Area = std::map<int, Row>;              // rows that hold at least one pixel

std::map<HRGN, Area>& Regions() {
    static std::map<HRGN, Area> regions;
    return regions;
}

std::vector<RegionCall>*& CallLog() {
    static std::vector<RegionCall>* log = nullptr;
    return log;
}

void Record(const char* name, std::vector<int> arguments) {
    if (CallLog())
        CallLog()->push_back({name, std::move(arguments)});
}

HRGN NextHandle() {
    static HRGN next = 0x1000;
    return ++next;
}

HRGN Store(Area area) {
    HRGN handle = NextHandle();
    Regions().emplace(handle, std::move(area));
    return handle;
}

void Normalise(int& a, int& b) {
    if (a > b)
        std::swap(a, b);
}

void AddSpan(Area& area, int y, int x1, int x2) {
    if (x1 < x2)
        area[y].emplace_back(x1, x2);
}

Row CombineRows(const Row& a, const Row& b, int mode) {
    // Walk the edges of both rows and keep the stretches where the mode's rule holds.
    std::vector<int> edges;
    for (auto [x1, x2] : a) {
        edges.push_back(x1);
        edges.push_back(x2);
    }
    for (auto [x1, x2] : b) {
        edges.push_back(x1);
        edges.push_back(x2);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    auto inside = [](const Row& row, int x) {
        for (auto [x1, x2] : row)
            if (x >= x1 && x < x2)
                return true;
        return false;
    };
    Row out;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        bool inA = inside(a, edges[i]), inB = inside(b, edges[i]);
        bool keep = false;
        switch (mode) {
        case RGN_AND:
            keep = inA && inB;
            break;
        case RGN_OR:
            keep = inA || inB;
            break;
        case RGN_XOR:
            keep = inA != inB;
            break;
        case RGN_DIFF:
            keep = inA && !inB;
            break;
        default:
            keep = inA;
            break;
        }
        if (!keep)
            continue;
        if (!out.empty() && out.back().second == edges[i])
            out.back().second = edges[i + 1];
        else
            out.emplace_back(edges[i], edges[i + 1]);
    }
    return out;
}

Area Combine(const Area& a, const Area& b, int mode) {
    Area out;
    auto rowOf = [](const Area& area, int y) -> const Row& {
        static const Row empty;
        auto it = area.find(y);
        return it == area.end() ? empty : it->second;
    };
    std::vector<int> ys;
    for (auto& [y, row] : a)
        ys.push_back(y);
    for (auto& [y, row] : b)
        ys.push_back(y);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    for (int y : ys) {
        Row row = CombineRows(rowOf(a, y), rowOf(b, y), mode);
        if (!row.empty())
            out.emplace(y, std::move(row));
    }
    return out;
}

// Whether the centre of pixel (x, y) lies in the ellipse inscribed in the box.
bool InEllipse(double left, double top, double right, double bottom, int x, int y) {
    double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    if (rx <= 0 || ry <= 0)
        return false;
    double dx = (x + 0.5 - (left + rx)) / rx, dy = (y + 0.5 - (top + ry)) / ry;
    return dx * dx + dy * dy <= 1.0;
}

int Classify(const Area& area) {
    if (area.empty())
        return NULLREGION;
    const Row& first = area.begin()->second;
    bool simple = first.size() == 1;
    int expectedY = area.begin()->first;
    for (auto& [y, row] : area) {
        simple = simple && y == expectedY++ && row == first;
    }
    return simple ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

void SetRegionCallLog(std::vector<RegionCall>* log) {
    CallLog() = log;
}

HRGN CreateRectRgn(int x1, int y1, int x2, int y2) {
    Record("CreateRectRgn", {x1, y1, x2, y2});
    Normalise(x1, x2);
    Normalise(y1, y2);
    Area area;
    for (int y = y1; y < y2; ++y)
        AddSpan(area, y, x1, x2);
    return Store(std::move(area));
}

HRGN CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    Record("CreateEllipticRgn", {x1, y1, x2, y2});
    Normalise(x1, x2);
    Normalise(y1, y2);
    Area area;
    for (int y = y1; y < y2; ++y) {
        int from = x2, to = x1;
        for (int x = x1; x < x2; ++x) {
            if (InEllipse(x1, y1, x2, y2, x, y)) {
                from = std::min(from, x);
                to = std::max(to, x + 1);
            }
        }
        AddSpan(area, y, from, to);
    }
    return Store(std::move(area));
}

HRGN CreateRoundRectRgn(int x1, int y1, int x2, int y2, int w, int h) {
    Record("CreateRoundRectRgn", {x1, y1, x2, y2, w, h});
    Normalise(x1, x2);
    Normalise(y1, y2);
    // The corner ellipse can be no larger than the rectangle itself.
    w = std::min(std::abs(w), x2 - x1);
    h = std::min(std::abs(h), y2 - y1);
    Area area;
    for (int y = y1; y < y2; ++y) {
        int from = x1, to = x2;
        bool upper = y < y1 + h / 2.0, lower = y >= y2 - h / 2.0;
        if (w > 0 && h > 0 && (upper || lower)) {
            double cornerTop = upper ? y1 : y2 - h;
            from = x2;
            to = x1;
            for (int x = x1; x < x2; ++x) {
                bool keep = true;
                if (x < x1 + w / 2.0)
                    keep = InEllipse(x1, cornerTop, x1 + w, cornerTop + h, x, y);
                else if (x >= x2 - w / 2.0)
                    keep = InEllipse(x2 - w, cornerTop, x2, cornerTop + h, x, y);
                if (keep) {
                    from = std::min(from, x);
                    to = std::max(to, x + 1);
                }
            }
        }
        AddSpan(area, y, from, to);
    }
    return Store(std::move(area));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    Record("CombineRgn", {dest, src1, src2, mode});
    auto& regions = Regions();
    auto d = regions.find(dest), a = regions.find(src1);
    if (d == regions.end() || a == regions.end() || mode < RGN_AND || mode > RGN_COPY)
        return REGION_ERROR;
    if (mode == RGN_COPY) {
        d->second = a->second;
        return Classify(d->second);
    }
    auto b = regions.find(src2);
    if (b == regions.end())
        return REGION_ERROR;
    Area result = Combine(a->second, b->second, mode);
    d->second = std::move(result);
    return Classify(d->second);
}

int DeleteObject(HRGN region) {
    Record("DeleteObject", {region});
    return Regions().erase(region) == 1 ? 1 : 0;
}

bool IsRegion(HRGN region) {
    return Regions().count(region) == 1;
}

bool PtInRegion(HRGN region, int x, int y) {
    auto it = Regions().find(region);
    if (it == Regions().end())
        return false;
    auto row = it->second.find(y);
    if (row == it->second.end())
        return false;
    for (auto [x1, x2] : row->second)
        if (x >= x1 && x < x2)
            return true;
    return false;
}

std::vector<RegionSpan> RegionSpans(HRGN region) {
    std::vector<RegionSpan> spans;
    auto it = Regions().find(region);
    if (it == Regions().end())
        return spans;
    for (auto& [y, row] : it->second)
        for (auto [x1, x2] : row)
            spans.push_back({y, x1, x2});
    return spans;
}

int LiveRegionCount() {
    return static_cast<int>(Regions().size());
}

} // namespace platform
