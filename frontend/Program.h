#pragma once

#include <functional>

#include "forms/Runtime.h"

namespace frontend {

// Runs the program on the screen from its startup window; returns its exit status.
int RunProgram(int argc, char** argv, const std::function<forms::Form&(forms::Runtime&)>& startup);

} // namespace frontend
