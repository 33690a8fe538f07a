#pragma once

#include <string_view>

#include "forms/Form.h"

namespace skin {

// The moves from one window to another.
enum class HandOver { SplashToMenu, MenuToBrowser, BrowserToMenu, BrowserToHelp, HelpToBrowser };

// The browser window's dictionary markers, in the order of its dictionary buttons.
inline constexpr std::string_view DictionaryMarkers[] = {"Image9", "Image10", "Image11", "Image12",
                                                         "Image13"};

// Leaves `source` for `target`: the source unloads itself and the target is shown anew in its
// designed state. BrowserToHelp shows the target first and unloads the source last. MenuToBrowser
// makes `marker` the one visible dictionary marker of the browser window.
void SwitchToWindow(HandOver member, forms::Form& source, forms::Form& target, std::string_view marker = {});

} // namespace skin
