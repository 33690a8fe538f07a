#include "app/Version.h"
#include "frontend/Program.h"
#include "shell/Windows.h"

int main(int argc, char** argv) {
    return frontend::RunProgram(
        argc, argv,
        {.version = app::FileVersion, .company = app::CompanyName, .desktopEntry = app::DesktopEntry},
        shell::ConnectWindows);
}
