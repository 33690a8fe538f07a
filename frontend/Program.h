#pragma once

#include <functional>

#include "forms/Runtime.h"

namespace frontend {

// What the desktop is told of the program: its version, its maker, and the desktop entry that
// launches it (so that a panel shows the running windows under that entry).
struct ProgramIdentity {
    const char* version = "";
    const char* company = "";
    const char* desktopEntry = "";
};

// Runs the program on the screen from its startup window; returns its exit status.
int RunProgram(int argc, char** argv, const ProgramIdentity& identity,
               const std::function<forms::Form&(forms::Runtime&)>& startup);

} // namespace frontend
