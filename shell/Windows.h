#pragma once

#include "forms/Runtime.h"

namespace shell {

// Ties the four windows together, so that each hands over to the others' single instances, and
// returns the window the program starts on: the splash window.
forms::Form& ConnectWindows(forms::Runtime& runtime);

} // namespace shell
