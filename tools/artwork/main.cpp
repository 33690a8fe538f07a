// Renders the program's pictures into the folder named on the command line, one PNG per picture and
// one icon file (.ico) per icon with all of its images, in the sub-folders the program's resources
// expect (browser/, common/, help/, menu/, splash/).
#include "BrowserArt.h"
#include "CommonArt.h"
#include "HelpArt.h"
#include "IconFile.h"
#include "MenuArt.h"
#include "Paint.h"
#include "SplashArt.h"

#include <QDir>
#include <QFile>
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

struct Icon {
    QString path;
    std::vector<artwork::IconImage> images;
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
    };
    const std::vector<Icon> icons = {
        {QStringLiteral("common/icon.ico"), {{artwork::common::Icon(), 256}}},
        {QStringLiteral("help/icon.ico"),
         {{help::Icon(help::IconColours::RedOnWhite), 16},
          {help::Icon(help::IconColours::WhiteOnGreen), 16},
          {help::IconMonochrome(), 2}}},
        // A pointer takes the image of its own size; full colour, since nothing asks for fewer.
        {QStringLiteral("help/stick.ico"), {{help::StickPointer(32), 0}, {help::StickPointer(16), 0}}},
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
    for (const Icon& icon : icons) {
        const QString path = output.filePath(icon.path);
        QFile file(path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !file.open(QIODevice::WriteOnly) ||
            file.write(artwork::IconFile(icon.images)) < 0) {
            std::fprintf(stderr, "render-artwork: cannot write %s\n", qPrintable(path));
            ++failures;
            continue;
        }
        std::printf("%s %zu images\n", qPrintable(path), icon.images.size());
    }
    return failures == 0 ? 0 : 1;
}
