#include "frontend/Program.h"

#include <QApplication>
#include <QScreen>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "frontend/FrontEnd.h"

namespace frontend {
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

QtMessageHandler previousHandler = nullptr;

void NoDisplayHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "lumitra-dictionary: no display: cannot open the display named by DISPLAY\n");
        std::_Exit(1);
    }
    if (context.category && std::string_view(context.category).starts_with("qt.qpa"))
        return; // the display plugin's own complaints: the one line above says it all
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int RunProgram(int argc, char** argv, const ProgramIdentity& identity,
               const std::function<forms::Form&(forms::Runtime&)>& startup) {
    if (!HasDisplay()) {
        std::fprintf(stderr, "lumitra-dictionary: no display: set DISPLAY to run the program\n");
        return 1;
    }
    // A display that is named but cannot be reached is no display either: Qt would abort.
    previousHandler = qInstallMessageHandler(NoDisplayHandler);
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QString::fromUtf8(identity.version));
    QApplication::setOrganizationName(QString::fromUtf8(identity.company));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(identity.desktopEntry));
    qInstallMessageHandler(previousHandler);
    forms::Runtime runtime;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const float twips = static_cast<float>(1440.0 / screen->logicalDotsPerInch());
        runtime.SetTwipsPerPixel(twips, twips);
    }
    FrontEnd frontEnd(runtime);
    runtime.Start(startup(runtime));
    if (!runtime.Running())
        return runtime.ExitCode(); // the front end has already heard of the end
    return application.exec();
}

} // namespace frontend
