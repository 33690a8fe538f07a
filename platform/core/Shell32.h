#pragma once

#include <cstdint>

#include "platform/core/User32.h"

namespace platform {

inline constexpr int SW_SHOW = 5;

// Opens a file or web address with the desktop's opener. Returns a value above 32 once the opener
// has started, and 32 or less when it could not be started.
std::intptr_t ShellExecuteA(HWND window, const char* operation, const char* file, const char* parameters,
                            const char* directory, int showCommand);

// The program that opens addresses ("xdg-open" unless changed, as tests do).
void SetShellOpener(const char* program);

} // namespace platform
