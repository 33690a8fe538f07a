#include "frontend/Program.h"
#include "shell/Windows.h"

int main(int argc, char** argv) {
    return frontend::RunProgram(argc, argv, shell::ConnectWindows);
}
