#include "platform/qt/Program.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/qt/FrontEnd.h"

namespace platform::qt {
namespace {

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::string_view name = platform ? platform : "";
    if (!name.empty() && !name.starts_with("xcb") && !name.starts_with("wayland"))
        return true;
    auto set = [](const char* variable) {
        const char* value = std::getenv(variable);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

} // namespace

int RunProgram(int argc, char** argv, const std::function<forms::Form&(forms::Runtime&)>& startup) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "lumitra-dictionary: no display: set DISPLAY to run the program\n");
        return 1;
    }
    QApplication application(argc, argv);
    forms::Runtime runtime;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const float twips = static_cast<float>(1440.0 / screen->logicalDotsPerInch());
        runtime.SetTwipsPerPixel(twips, twips);
    }
    FrontEnd frontEnd(runtime);
    runtime.Start(startup(runtime));
    if (!runtime.Running()) {
        frontEnd.ProgramEnded();
        return runtime.ExitCode();
    }
    return application.exec();
}

} // namespace platform::qt
