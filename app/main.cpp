#include "frontend/Program.h"
#include "shell/Windows.h"

int main(int argc, char** argv) {
    return platform::qt::RunProgram(argc, argv, shell::ConnectWindows);
}
