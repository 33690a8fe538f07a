// Renders the program's pictures into the folder named on the command line, one PNG per picture,
// in the sub-folders the program's resources expect (browser/, common/, help/, menu/, splash/).
#include "BrowserArt.h"
#include "CommonArt.h"
#include "HelpArt.h"
#include "MenuArt.h"
#include "Paint.h"
#include "SplashArt.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <vector>

namespace {

struct Picture {
    QString path;
    QImage image;
    bool transparent;
};

} // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render-artwork OUTPUT-FOLDER\n");
        return 2;
    }
    for (const QString& family : artwork::kFontFamilies) {
        if (!QFontDatabase::hasFamily(family)) {
            std::fprintf(stderr, "render-artwork: font family \"%s\" is not installed\n", qPrintable(family));
            return 1;
        }
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));

    namespace browser = artwork::browser;
    namespace help = artwork::help;
    const QImage background = browser::Background();
    namespace splash = artwork::splash;
    const QImage splashBackground = splash::Background();
    const QImage menuBackground = artwork::menu::Background();
    const QImage helpBackground = help::Background();
    const std::vector<Picture> pictures = {
        {QStringLiteral("browser/background.png"), background, false},
        {QStringLiteral("browser/exit.png"), browser::Exit(background), false},
        {QStringLiteral("browser/minimize.png"), browser::Minimize(background), false},
        {QStringLiteral("browser/oxford.png"), browser::Oxford(), false},
        {QStringLiteral("browser/computer.png"), browser::Computer(), false},
        {QStringLiteral("browser/hardware.png"), browser::Hardware(), false},
        {QStringLiteral("browser/bangladesh.png"), browser::Bangladesh(), false},
        {QStringLiteral("browser/international.png"), browser::International(), false},
        {QStringLiteral("browser/help.png"), browser::Help(), false},
        {QStringLiteral("browser/back.png"), browser::Back(background), false},
        {QStringLiteral("browser/marker.png"), browser::Marker(), true},
        {QStringLiteral("browser/emblem.png"), browser::Emblem(), true},
        {QStringLiteral("common/icon.png"), artwork::common::Icon(), true},
        {QStringLiteral("splash/background.png"), splashBackground, false},
        {QStringLiteral("splash/progress-short.png"), splash::ProgressShort(splashBackground), false},
        {QStringLiteral("splash/progress-two-thirds.png"), splash::ProgressTwoThirds(splashBackground),
         false},
        {QStringLiteral("splash/progress-full.png"), splash::ProgressFull(splashBackground), false},
        {QStringLiteral("menu/background.png"), menuBackground, false},
        {QStringLiteral("menu/exit.png"), artwork::menu::Exit(menuBackground), false},
        {QStringLiteral("menu/minimize.png"), artwork::menu::Minimize(menuBackground), false},
        {QStringLiteral("help/background.png"), helpBackground, false},
        {QStringLiteral("help/minimize.png"), help::Minimize(helpBackground), false},
        {QStringLiteral("help/back.png"), help::Back(helpBackground), false},
        {QStringLiteral("help/terms.png"), help::TermsButton(helpBackground), false},
        {QStringLiteral("help/about.png"), help::AboutButton(helpBackground), false},
        {QStringLiteral("help/download.png"), help::DownloadButton(helpBackground), false},
        {QStringLiteral("help/helpbutton.png"), help::HelpButton(helpBackground), false},
        {QStringLiteral("help/termspage.png"), help::TermsPage(), false},
        {QStringLiteral("help/downloadpage.png"), help::DownloadPage(), false},
        {QStringLiteral("help/helppage.png"), help::HelpPage(), false},
        {QStringLiteral("help/hand.png"), help::HandPointer(), true},
        {QStringLiteral("help/stick.png"), help::StickPointer(), true},
        {QStringLiteral("help/icon.png"), help::Icon(), true},
    };

    int failures = 0;
    for (const Picture& picture : pictures) {
        const QString path = output.filePath(picture.path);
        const QImage image =
            picture.image.convertToFormat(picture.transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "render-artwork: cannot write %s\n", qPrintable(path));
            ++failures;
            continue;
        }
        std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    }
    return failures == 0 ? 0 : 1;
}
