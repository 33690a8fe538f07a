#include "platform/core/User32.h"

#include <map>
#include <utility>

namespace platform {
namespace {

struct WindowEntry {
    WindowProcedure* procedure = nullptr;
    HRGN region = 0;
};

std::map<HWND, WindowEntry>& Windows() {
    static std::map<HWND, WindowEntry> windows;
    return windows;
}

WindowSystemHooks& Hooks() {
    static WindowSystemHooks hooks;
    return hooks;
}

HWND& Capture() {
    static HWND capture = 0;
    return capture;
}

} // namespace

HWND CreateWindowHandle(WindowProcedure* procedure) {
    static HWND next = 0x10000;
    next += 4;
    Windows()[next] = WindowEntry{procedure, 0};
    return next;
}

void DestroyWindowHandle(HWND window) {
    auto it = Windows().find(window);
    if (it == Windows().end())
        return;
    if (it->second.region != 0)
        DeleteObject(it->second.region);
    Windows().erase(it);
    if (Capture() == window)
        Capture() = 0;
}

bool IsWindowHandle(HWND window) {
    return Windows().count(window) == 1;
}

LRESULT SendMessageA(HWND window, std::uint32_t message, WPARAM wParam, LPARAM lParam) {
    auto it = Windows().find(window);
    if (it == Windows().end() || it->second.procedure == nullptr)
        return 0;
    return it->second.procedure->WindowProc(message, wParam, lParam);
}

HWND SetCapture(HWND window) {
    const HWND before = Capture();
    Capture() = IsWindowHandle(window) ? window : 0;
    return before;
}

HWND GetCapture() {
    return Capture();
}

int ReleaseCapture() {
    Capture() = 0;
    return 1;
}

int SetWindowRgn(HWND window, HRGN region, bool redraw) {
    auto it = Windows().find(window);
    if (it == Windows().end() || (region != 0 && !IsRegion(region)))
        return 0;
    if (it->second.region != 0 && it->second.region != region)
        DeleteObject(it->second.region);
    it->second.region = region;
    if (Hooks().regionChanged)
        Hooks().regionChanged(window, redraw);
    return 1;
}

HRGN WindowRegion(HWND window) {
    auto it = Windows().find(window);
    return it == Windows().end() ? 0 : it->second.region;
}

void SetWindowSystemHooks(WindowSystemHooks hooks) {
    Hooks() = std::move(hooks);
}

} // namespace platform
