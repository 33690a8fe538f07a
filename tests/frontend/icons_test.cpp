// The windows' icons and the "Click here" pointer as the front end loads them on the offscreen
// platform: how many images each holds, their sizes and their colours.

#include "browser/Form2.h"
#include "forms/Runtime.h"
#include "frontend/FormWidget.h"
#include "frontend/FrontEnd.h"
#include "frontend/Pictures.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Form4.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

constexpr float kTwips = 15;

// The colours of an image's shown pixels; a paletted icon shows a pixel wholly or not at all.
struct Colours {
    std::map<QRgb, int> count;
    int partlyShown = 0;
};

Colours ColoursOf(const QImage& image) {
    Colours colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) == 255)
                ++colours.count[pixel];
            else if (qAlpha(pixel) != 0)
                ++colours.partlyShown;
        }
    return colours;
}

bool Whitish(QRgb c) {
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200;
}
bool Reddish(QRgb c) {
    return qRed(c) > 140 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool Greenish(QRgb c) {
    return qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
}

// How many of the shown pixels of a region are of a kind.
int Pixels(const QImage& image, const QRect& region, bool (*kind)(QRgb)) {
    int n = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (qAlpha(argb.pixel(x, y)) == 255 && kind(argb.pixel(x, y)))
                ++n;
    return n;
}

// The window as the front end shows it, once its icon is set after the first frame.
QIcon WindowIcon(forms::Runtime& rt, frontend::FrontEnd& front, forms::Form& window) {
    rt.Dispatch([&] { window.SetVisible(true); });
    QApplication::processEvents();
    frontend::FormWidget* widget = front.WidgetOf(window);
    return widget ? widget->windowIcon() : QIcon();
}

class IconsTest : public ::testing::Test {
protected:
    void SetUp() override { rt.SetTwipsPerPixel(kTwips, kTwips); }
    forms::Runtime rt;
    frontend::FrontEnd front{rt};
};

TEST_F(IconsTest, TheSplashWindowStartMenuAndBrowserShareOne64By64ImageOf256Colours) {
    const std::string_view icon = shell::Form4Design().icon;
    EXPECT_EQ(shell::Form1Design().icon, icon);
    EXPECT_EQ(browser::Form2Design().icon, icon);
    const std::vector<QImage>& images = frontend::Images(icon);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].size(), QSize(64, 64));
    const Colours colours = ColoursOf(images[0]);
    EXPECT_LE(colours.count.size(), 256u);
    EXPECT_GT(colours.count.size(), 16u) << "more than a 16-colour image has";
    EXPECT_EQ(colours.partlyShown, 0);
    for (forms::Form* window : std::initializer_list<forms::Form*>{
             &rt.Instance<shell::Form4>(), &rt.Instance<shell::Form1>(), &rt.Instance<browser::Form2>()}) {
        const QIcon shown = WindowIcon(rt, front, *window);
        EXPECT_EQ(shown.availableSizes(), QList<QSize>{QSize(64, 64)}) << window->Name();
        EXPECT_EQ(shown.pixmap(64).toImage().convertToFormat(QImage::Format_ARGB32),
                  images[0].convertToFormat(QImage::Format_ARGB32))
            << window->Name();
    }
}

TEST_F(IconsTest, TheHelpWindowsIconHoldsARedMarkOnWhiteAWhiteOnGreenAndAMonochromeOne) {
    const std::string_view icon = shell::Form3Design().icon;
    EXPECT_NE(icon, shell::Form4Design().icon) << "the help window's icon is its own";
    const std::vector<QImage>& images = frontend::Images(icon);
    ASSERT_EQ(images.size(), 3u);
    for (const QImage& image : images)
        EXPECT_EQ(image.size(), QSize(32, 32));
    // The mark stands in the middle of the badge, the badge's face around it.
    const QRect mark(12, 8, 8, 16), face(4, 4, 24, 24);
    const struct {
        const char* what;
        std::size_t colours;
        bool (*face)(QRgb);
        bool (*mark)(QRgb);
    } cases[] = {{"red on white", 16, Whitish, Reddish}, {"white on green", 16, Greenish, Whitish}};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& c = cases[i];
        const Colours colours = ColoursOf(images[i]);
        EXPECT_LE(colours.count.size(), c.colours) << c.what;
        EXPECT_GT(colours.count.size(), 2u) << c.what;
        EXPECT_EQ(colours.partlyShown, 0) << c.what;
        EXPECT_GT(Pixels(images[i], face, c.face), face.width() * face.height() / 3)
            << c.what << ": the face";
        EXPECT_GT(Pixels(images[i], mark, c.mark), 12) << c.what << ": the mark";
    }
    const Colours mono = ColoursOf(images[2]);
    EXPECT_EQ(mono.partlyShown, 0);
    EXPECT_EQ(mono.count.size(), 2u);
    for (const auto& [colour, n] : mono.count)
        EXPECT_TRUE(colour == qRgb(0, 0, 0) || colour == qRgb(255, 255, 255)) << std::hex << colour;

    const QIcon shown = WindowIcon(rt, front, rt.Instance<shell::Form3>());
    EXPECT_EQ(shown.availableSizes().value(0), QSize(32, 32));
    EXPECT_EQ(shown.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32),
              images[0].convertToFormat(QImage::Format_ARGB32))
        << "the colour image the desktop shows first";
}

TEST_F(IconsTest, TheStickPointerHoldsA32And16ImageAndPointsWithThe32One) {
    auto& help = rt.Instance<shell::Form3>();
    const std::string_view stick = help.Ctl("Label15").Design().mouseIcon;
    EXPECT_EQ(help.Ctl("Label16").Design().mouseIcon, stick);
    EXPECT_EQ(help.Ctl("Label17").Design().mouseIcon, stick);
    const std::vector<QImage>& images = frontend::Images(stick);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].size(), QSize(32, 32));
    EXPECT_EQ(images[1].size(), QSize(16, 16));
    for (const QImage& image : images)
        EXPECT_GT(Pixels(image, image.rect(), Whitish), 0) << image.width() << ": the hand";

    rt.Dispatch([&] { help.SetVisible(true); });
    rt.Click(help.Ctl("Image3")); // the Download page, where the "Click here" links lie
    frontend::FormWidget* widget = front.WidgetOf(help);
    ASSERT_NE(widget, nullptr);
    const forms::Control& link = help.Ctl("Label15");
    const QPoint at(static_cast<int>((link.Left() + link.Width() / 2) / kTwips),
                    static_cast<int>((link.Top() + link.Height() / 2) / kTwips));
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(widget->cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
              images[0].convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(widget->cursor().hotSpot(), QPoint(16, 16)) << "an icon is held at its centre";
}

} // namespace
