#pragma once

#include <cstdint>
#include <functional>

#include "platform/core/Regions.h"

namespace platform {

// The window system's side of the program: window handles, the messages the program sends them,
// and the outline region a window is cut to.

using HWND = std::int32_t;
using LRESULT = std::intptr_t;
using WPARAM = std::intptr_t;
using LPARAM = std::intptr_t;

inline constexpr std::uint32_t WM_NCLBUTTONDOWN = 0xA1;
inline constexpr WPARAM HTCAPTION = 2;
inline constexpr std::uint32_t LB_FINDSTRING = 0x18F;
inline constexpr LRESULT LB_ERR = -1;

// What answers the messages sent to one window handle.
class WindowProcedure {
public:
    virtual ~WindowProcedure() = default;
    virtual LRESULT WindowProc(std::uint32_t message, WPARAM wParam, LPARAM lParam) = 0;
};

HWND CreateWindowHandle(WindowProcedure* procedure);
// Destroys the handle and frees the region the window owns.
void DestroyWindowHandle(HWND window);
bool IsWindowHandle(HWND window);

// Sends a message and returns once the window has handled it; 0 for a handle that names no window.
LRESULT SendMessageA(HWND window, std::uint32_t message, WPARAM wParam, LPARAM lParam);

// The window that holds the mouse capture: it gets the pointer's events until it gives it up.
// SetCapture returns the window that held it before, or 0.
HWND SetCapture(HWND window);
HWND GetCapture();
// Gives up the mouse capture; nonzero on success.
int ReleaseCapture();

// Cuts the window to the region, which the window then owns; the region it owned before is freed.
// Region 0 takes the outline away, so that the whole window shows. Nonzero on success; a handle that
// names no window, or a nonzero one that names no region, fails and changes nothing.
int SetWindowRgn(HWND window, HRGN region, bool redraw);

// The region a window is cut to, or 0 when it has none.
HRGN WindowRegion(HWND window);

// How the display learns of these calls. The hook may be empty.
struct WindowSystemHooks {
    std::function<void(HWND, bool redraw)> regionChanged;
};
void SetWindowSystemHooks(WindowSystemHooks hooks);

} // namespace platform
