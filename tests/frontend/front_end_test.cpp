// The Qt front end on the offscreen platform: the browser window as the user meets it, and a small
// window of the tests' own for the pointer shapes.

#include "browser/Form2.h"
#include "dictionaries/Dictionary.h"
#include "forms/Runtime.h"
#include "frontend/FormWidget.h"
#include "frontend/FrontEnd.h"
#include "frontend/Look.h"
#include "frontend/Pictures.h"
#include "platform/core/User32.h"
#include "platform/core/Windows1252.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFontInfo>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolTip>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Points read as points in the tests' messages.
inline void PrintTo(const QPoint& p, std::ostream* out) {
    *out << "(" << p.x() << ", " << p.y() << ")";
}

namespace {

using frontend::FormWidget;
using frontend::FrontEnd;

constexpr float kTwips = 15; // the offscreen screen's 96 dots per inch

QColor Red(int level) {
    return QColor(level, 0, 0);
}

QPoint CentreOf(const forms::Control& c) {
    return QPoint(static_cast<int>((c.Left() + c.Width() / 2) / kTwips),
                  static_cast<int>((c.Top() + c.Height() / 2) / kTwips));
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class FrontEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        rt.SetTwipsPerPixel(kTwips, kTwips);
        front = std::make_unique<FrontEnd>(rt);
        window = &rt.Instance<browser::Form2>();
        rt.Start(*window);
        widget = front->WidgetOf(*window);
        ASSERT_NE(widget, nullptr);
    }
    void TearDown() override {
        front.reset();
        QApplication::processEvents();
    }

    forms::Control& Ctl(std::string_view name, int index = -1) { return window->Ctl(name, index); }
    template <class W> W* Shown(std::string_view name) {
        auto* w = qobject_cast<W*>(widget->WidgetOf(Ctl(name)));
        EXPECT_NE(w, nullptr) << name << " has no widget of its kind";
        return w;
    }
    void Move(QPoint at) { SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton); }
    void ClickAt(QPoint at) {
        SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton);
        SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    // A point of the window where the pointer meets no control.
    QPoint Background() const {
        for (int y = 150; y < widget->height(); y += 7)
            for (int x = 20; x < widget->width(); x += 7)
                if (!window->ControlAt(static_cast<float>(x) * kTwips, static_cast<float>(y) * kTwips) &&
                    widget->mask().contains(QPoint(x, y)))
                    return {x, y};
        ADD_FAILURE() << "no bare background in the window";
        return {};
    }
    QColor PixelAt(QPoint at) { return widget->grab().toImage().pixelColor(at); }

    forms::Runtime rt;
    std::unique_ptr<FrontEnd> front;
    browser::Form2* window = nullptr;
    FormWidget* widget = nullptr;
};

TEST_F(FrontEndTest, TheWindowIsShownCutToItsOutline) {
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->size(), QSize(667, 586));
    EXPECT_EQ(widget->windowTitle(), QStringLiteral("Lumitra Abbreviation Dictionary V 1.0.0"));
    EXPECT_TRUE(widget->windowFlags() & Qt::FramelessWindowHint);
    const QRegion mask = widget->mask();
    EXPECT_TRUE(mask.contains(QPoint(333, 293))) << "the middle of the window";
    EXPECT_FALSE(mask.contains(QPoint(0, 0))) << "the cut top-left corner";
    EXPECT_FALSE(mask.contains(QPoint(666, 585))) << "the cut bottom-right corner";
    EXPECT_TRUE(mask.contains(QPoint(333, 2))) << "the top edge between the corners";
    QApplication::processEvents();
    EXPECT_FALSE(widget->windowIcon().isNull()) << "the window's icon, once it is on the screen";
}

TEST_F(FrontEndTest, RegionZeroShowsTheWholeWindowAgain) {
    ASSERT_FALSE(widget->mask().isEmpty());
    rt.Dispatch([&] { platform::SetWindowRgn(window->hWnd(), 0, true); });
    EXPECT_TRUE(widget->mask().isEmpty()) << "no outline: nothing is cut away";
    EXPECT_TRUE(rt.Running());
}

TEST_F(FrontEndTest, AFrameLightsUnderThePointerAndRestsOverTheBackground) {
    forms::Control& frame = Ctl("Shape9");
    const QPoint edge(static_cast<int>(frame.Left() / kTwips) + 1, CentreOf(frame).y());
    Move(CentreOf(Ctl("Image5")));
    EXPECT_EQ(frame.BorderColor(), 0x0000FFu);
    EXPECT_EQ(PixelAt(edge), Red(255)) << "the lit frame on the screen";
    Move(Background());
    EXPECT_EQ(frame.BorderColor(), 0x0000C0u);
    EXPECT_EQ(PixelAt(edge), Red(192)) << "the frame at rest on the screen";
}

TEST_F(FrontEndTest, AWindowMovedByHandFollowsOnlyWhileItsButtonIsHeld) {
    // No window manager moves windows here, so the window moves itself. The pointer is given in
    // screen coordinates, as it moves whatever the window does.
    auto send = [&](QEvent::Type type, QPoint screen, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(widget->mapFromGlobal(screen)), QPointF(screen), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
        const QPoint start = widget->pos();
        const QPoint p = widget->mapToGlobal(Background());
        const Qt::MouseButton other = button == Qt::RightButton ? Qt::MiddleButton : Qt::RightButton;
        send(QEvent::MouseButtonPress, p, button, button);
        send(QEvent::MouseMove, p + QPoint(30, 20), Qt::NoButton, button);
        EXPECT_EQ(widget->pos(), start + QPoint(30, 20)) << button << " held";
        send(QEvent::MouseButtonRelease, p + QPoint(30, 20), other, button);
        send(QEvent::MouseMove, p + QPoint(40, 30), Qt::NoButton, button);
        EXPECT_EQ(widget->pos(), start + QPoint(40, 30)) << button << ": another button's release goes by";
        send(QEvent::MouseButtonRelease, p + QPoint(40, 30), button, Qt::NoButton);
        send(QEvent::MouseMove, p + QPoint(90, 70), Qt::NoButton, Qt::NoButton);
        EXPECT_EQ(widget->pos(), start + QPoint(40, 30)) << button << " released: the window stays";
        widget->move(start);
    }
    // A release that never reached the window: the first move without the button ends the drag.
    const QPoint start = widget->pos();
    const QPoint p = widget->mapToGlobal(Background());
    send(QEvent::MouseButtonPress, p, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, p + QPoint(30, 20), Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseMove, p + QPoint(60, 40), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(widget->pos(), start);
}

TEST_F(FrontEndTest, AClickOnAListItemSelectsItAndShowsItsEntry) {
    ClickAt(CentreOf(Ctl("Image2")));
    auto* list = Shown<QListWidget>("List20");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    const auto& oxford = dictionaries::Dictionary(dictionaries::DictionaryId::OxfordDictionary);
    ASSERT_EQ(list->count(), oxford.RowCount());
    const QRect item = list->visualItemRect(list->item(3));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(Ctl("List20").ListIndex(), 3);
    EXPECT_EQ(Ctl("Text5").Text(), oxford.Entry(3)->Elaboration);
    auto* elaboration = Shown<QTextEdit>("Text5");
    ASSERT_NE(elaboration, nullptr);
    EXPECT_EQ(elaboration->toPlainText().toStdString(), std::string(oxford.Entry(3)->Elaboration));
    EXPECT_TRUE(elaboration->isReadOnly());
}

TEST_F(FrontEndTest, TypingInASearchBoxSelectsTheFirstMatch) {
    ClickAt(CentreOf(Ctl("Image2")));
    auto* search = Shown<QLineEdit>("Text4");
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(search->text(), QStringLiteral("Click to Search"));
    QTest::mouseClick(search, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(Ctl("Text4").Text(), "") << "a click into the box empties it";
    EXPECT_EQ(search->text(), QString());
    QTest::keyClicks(search, QStringLiteral("ac"));
    EXPECT_EQ(Ctl("Text4").Text(), "ac");
    EXPECT_EQ(Ctl("List20").ListIndex(), 8) << "the first \"AC\"";
    EXPECT_EQ(Shown<QListWidget>("List20")->currentRow(), 8);
    EXPECT_EQ(Shown<QTextEdit>("Text6")->toPlainText(), QStringLiteral("AC"));
    QTest::keyClick(search, Qt::Key_Backspace);
    QTest::keyClick(search, Qt::Key_Backspace);
    EXPECT_EQ(Ctl("Text4").Text(), "");
    EXPECT_EQ(Ctl("List20").ListIndex(), 0) << "the empty text matches the first entry";
}

TEST_F(FrontEndTest, AListKeepsItsOneSelectedRowWhateverTheModifiers) {
    ClickAt(CentreOf(Ctl("Image2")));
    auto* list = Shown<QListWidget>("List20");
    ASSERT_NE(list, nullptr);
    QWidget* rows = list->viewport();
    auto row = [&](int r) { return list->visualItemRect(list->item(r)).center(); };
    const QPoint beyond(row(3).x(), rows->height() + 30); // below the list, where rows lie unseen
    const struct {
        const char* what;
        std::function<void()> act;
        int selected;
    } cases[] = {
        {"a click", [&] { QTest::mouseClick(rows, Qt::LeftButton, {}, row(3)); }, 3},
        {"Ctrl+click on the selected row",
         [&] { QTest::mouseClick(rows, Qt::LeftButton, Qt::ControlModifier, row(3)); }, 3},
        {"Ctrl+Space", [&] { QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier); }, 3},
        {"Shift+click on another row",
         [&] { QTest::mouseClick(rows, Qt::LeftButton, Qt::ShiftModifier, row(5)); }, 5},
        {"Ctrl+click on another row",
         [&] { QTest::mouseClick(rows, Qt::LeftButton, Qt::ControlModifier, row(2)); }, 2},
        {"a press on the selected row released below the list",
         [&] {
             QTest::mousePress(rows, Qt::LeftButton, {}, row(2));
             QTest::mouseRelease(rows, Qt::LeftButton, {}, beyond);
         },
         2},
        {"Ctrl+Down", [&] { QTest::keyClick(list, Qt::Key_Down, Qt::ControlModifier); }, 3},
        {"a right click on another row", [&] { QTest::mouseClick(rows, Qt::RightButton, {}, row(6)); }, 3},
        {"a middle click on another row", [&] { QTest::mouseClick(rows, Qt::MiddleButton, {}, row(1)); }, 3},
        {"a right-button drag across rows",
         [&] {
             QTest::mousePress(rows, Qt::RightButton, {}, row(4));
             QMouseEvent move(QEvent::MouseMove, row(7), rows->mapToGlobal(row(7)), Qt::NoButton,
                              Qt::RightButton, Qt::NoModifier);
             QApplication::sendEvent(rows, &move);
             QTest::mouseRelease(rows, Qt::RightButton, {}, row(7));
         },
         3},
    };
    for (const auto& c : cases) {
        c.act();
        const QList<QListWidgetItem*> selected = list->selectedItems();
        EXPECT_EQ(Ctl("List20").ListIndex(), c.selected) << c.what;
        ASSERT_EQ(selected.size(), 1) << c.what << ": the highlight left the list";
        EXPECT_EQ(list->row(selected.front()), c.selected)
            << c.what << ": the screen and the runtime disagree";
        EXPECT_EQ(list->currentRow(), c.selected) << c.what;
        EXPECT_EQ(Ctl("Text6").Text(), Ctl("List20").Text()) << c.what;
    }
}

TEST_F(FrontEndTest, ASearchBoxReachedByTheKeyboardKeepsItsHint) {
    ClickAt(CentreOf(Ctl("Image6"))); // Bangladesh
    auto* search = Shown<QLineEdit>("Text11");
    auto* list = Shown<QListWidget>("List8");
    auto* elaboration = Shown<QTextEdit>("Text10");
    ASSERT_TRUE(search && list && elaboration);
    widget->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
    // Tab from the list and Backtab from the elaboration box both lead to the search box.
    const struct {
        QWidget* from;
        Qt::Key key;
    } ways[] = {{list, Qt::Key_Tab}, {elaboration, Qt::Key_Backtab}};
    for (const auto& way : ways) {
        way.from->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(way.from, way.key);
        ASSERT_TRUE(search->hasFocus()) << way.key;
        EXPECT_TRUE(search->selectedText().isEmpty()) << way.key << ": the keyboard's focus selects nothing";
        EXPECT_EQ(search->cursorPosition(), 0) << way.key << ": the caret stands where the runtime has it";
    }
    QTest::keyClicks(search, QStringLiteral("B"));
    EXPECT_EQ(Ctl("Text11").Text(), "BClick to Search") << "typing edits the hint";
    EXPECT_EQ(Ctl("List8").ListIndex(), -1) << "and finds no entry";
    EXPECT_EQ(Ctl("Text12").Text(), "");
    EXPECT_EQ(Ctl("Text11").ForeColor(), browser::TypedTextColor);
    EXPECT_EQ(Ctl("Text11").SelStart(), 1);

    // The caret the user leaves is where the keyboard's focus finds it again.
    QTest::keyClick(search, Qt::Key_End);
    EXPECT_EQ(Ctl("Text11").SelStart(), 16);
    QTest::keyClick(search, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(Ctl("Text11").SelStart(), 15) << "the start of the selection";
    list->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(list, Qt::Key_Tab);
    ASSERT_TRUE(search->hasFocus());
    EXPECT_TRUE(search->selectedText().isEmpty());
    EXPECT_EQ(search->cursorPosition(), 15);
}

TEST_F(FrontEndTest, UndoAndRedoInASearchBoxSearchAgain) {
    ClickAt(CentreOf(Ctl("Image2"))); // Oxford
    auto* search = Shown<QLineEdit>("Text4");
    ASSERT_NE(search, nullptr);
    QTest::mouseClick(search, Qt::LeftButton);
    QApplication::processEvents();
    QTest::keyClicks(search, QStringLiteral("ac"));
    ASSERT_EQ(Ctl("List20").ListIndex(), 8);
    const struct {
        const char* what;
        QKeySequence::StandardKey key;
        std::string text;
        int selected;
    } steps[] = {
        {"undo", QKeySequence::Undo, "", 0}, // an empty search finds the first entry
        {"redo", QKeySequence::Redo, "ac", 8},
        {"undo again", QKeySequence::Undo, "", 0},
    };
    for (const auto& step : steps) {
        QTest::keySequence(search, QKeySequence(step.key));
        EXPECT_EQ(search->text().toStdString(), step.text) << step.what << ": the box kept what it undid";
        EXPECT_EQ(Ctl("Text4").Text(), step.text) << step.what;
        EXPECT_EQ(Ctl("List20").ListIndex(), step.selected) << step.what << ": the search ran again";
        EXPECT_EQ(Ctl("Text4").SelStart(), search->cursorPosition()) << step.what;
    }
    QTest::keyClicks(search, QStringLiteral("TB"));
    EXPECT_EQ(Ctl("Text4").Text(), "TB") << "typing goes on where the undo left the caret";
}

TEST_F(FrontEndTest, FocusEnteringAListSelectsNothing) {
    ClickAt(CentreOf(Ctl("Image2")));
    auto* list = Shown<QListWidget>("List20");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(Ctl("List20").ListIndex(), -1);
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(list, &focus);
    EXPECT_EQ(Ctl("List20").ListIndex(), -1) << "no entry was chosen";
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(Ctl("Text5").Text(), "");
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Ctl("List20").ListIndex(), list->currentRow()) << "the list and the runtime agree";
}

TEST_F(FrontEndTest, OnlyTheLeftButtonClicksIntoABox) {
    ClickAt(CentreOf(Ctl("Image2")));
    auto* search = Shown<QLineEdit>("Text4");
    ASSERT_NE(search, nullptr);
    QTest::mouseClick(search, Qt::LeftButton);
    QApplication::processEvents();
    QTest::keyClicks(search, QStringLiteral("TESO"));
    for (Qt::MouseButton button : {Qt::MiddleButton, Qt::RightButton}) {
        QTest::mousePress(search, button);
        QTest::mouseRelease(search, button);
        QApplication::processEvents();
        EXPECT_EQ(Ctl("Text4").Text(), "TESO") << "button " << button;
    }
}

TEST_F(FrontEndTest, BoxesKeepTheirPointerUnlessTheWindowIsBusy) {
    ClickAt(CentreOf(Ctl("Image2")));
    auto* search = Shown<QLineEdit>("Text4");
    auto* elaboration = Shown<QTextEdit>("Text5");
    ASSERT_TRUE(search && elaboration);
    Move(Background());
    EXPECT_EQ(search->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(elaboration->viewport()->cursor().shape(), Qt::IBeamCursor);
    rt.Dispatch([&] { window->SetMousePointer(11); });
    EXPECT_EQ(search->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(elaboration->viewport()->cursor().shape(), Qt::WaitCursor);
    rt.Dispatch([&] { window->SetMousePointer(0); });
    Move(Background());
    EXPECT_EQ(search->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(elaboration->viewport()->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(FrontEndTest, HugePastesAndTextOutsideWindows1252ReachTheRuntime) {
    ClickAt(CentreOf(Ctl("Image2")));
    auto* search = Shown<QLineEdit>("Text4");
    ASSERT_NE(search, nullptr);
    const struct {
        const char* what;
        QString text;
    } cases[] = {
        {"a paste of one megabyte", QString(1 << 20, QChar(u'x'))},
        {"Bengali and Greek", QStringLiteral(u"বাংলা Ωμέγα")},
        {"a character beyond the 16-bit plane", QString::fromUcs4(U"\U0001F600ab")},
    };
    for (const auto& c : cases) {
        search->selectAll();
        QGuiApplication::clipboard()->setText(c.text);
        QTest::keyClick(search, Qt::Key_V, Qt::ControlModifier);
        const QString held = QString::fromStdString(Ctl("Text4").Text());
        EXPECT_EQ(held.size(), c.text.size()) << c.what;
        EXPECT_TRUE(held == c.text) << c.what << ": the runtime holds the pasted text";
        EXPECT_TRUE(search->text() == c.text) << c.what << ": the box shows it";
        EXPECT_EQ(Ctl("List20").ListIndex(), -1) << c.what << ": nothing begins with it";
        EXPECT_EQ(Ctl("Text5").Text(), "") << c.what;
    }
    EXPECT_TRUE(rt.Running());
}

TEST_F(FrontEndTest, TheHardwareBoxShowsTheBengaliThatItsFontWouldDraw) {
    ClickAt(CentreOf(Ctl("Image5")));
    const std::string bytes = {'\x63', '\xD6', '\x77', '\x5A', '\x20', '\x86', '\x6D', '\x87', '\x4B', '\x87',
                               '\xDB', '\x20', '\x47', '\x4B', '\x20', '\x77', '\x67', '\x77', '\x6A', '\x71',
                               '\x62', '\x20', '\x6D', '\x76', '\x42', '\x87', '\x4B', '\x6A', '\x7C'};
    const std::string stored = platform::Windows1252ToUtf8(bytes);
    rt.Dispatch([&] { Ctl("Text7").SetText(stored); });
    auto* box = Shown<QTextEdit>("Text7");
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(Ctl("Text7").Text(), stored) << "the box keeps the font's characters";
    if (frontend::SutonnyMjInstalled()) {
        EXPECT_EQ(box->toPlainText().toStdString(), stored);
        EXPECT_EQ(QFontInfo(box->font()).family(), QStringLiteral("SutonnyMJ"));
        return;
    }
    EXPECT_EQ(box->toPlainText(), QStringLiteral(u"প্রতি সেকেন্ডে এক মিলিয়ন সাইকেল।"));
    EXPECT_EQ(QFontInfo(box->font()).family(), QStringLiteral("Noto Sans Bengali"));
    EXPECT_EQ(box->font().pixelSize(), 21) << "15.75 points at 96 dots per inch";

    // Bengali words hang from a headline: a long unbroken stroke that Latin letters never draw.
    const QImage image = box->viewport()->grab().toImage();
    const QColor paper = image.pixelColor(image.width() - 2, image.height() - 2);
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            const bool ink = qGray(image.pixel(x, y)) < qGray(paper.rgb()) - 96;
            run = ink ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    EXPECT_GE(longest, 25) << "the longest dark horizontal stroke, in pixels";
}

TEST_F(FrontEndTest, EachControlShowsItsToolTip) {
    const struct {
        const char* control;
        const char* tip;
    } cases[] = {{"Image5", "Complete Hardware Dictionary"}, {"Image2", nullptr}};
    for (const auto& c : cases) {
        const QPoint at = CentreOf(Ctl(c.control));
        QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &help);
        const std::string expected = c.tip ? c.tip : std::string(Ctl(c.control).Design().toolTip);
        EXPECT_FALSE(expected.empty()) << c.control;
        EXPECT_EQ(QToolTip::text().toStdString(), expected) << c.control;
        QToolTip::hideText();
    }
}

TEST_F(FrontEndTest, ClosingTheWindowUnloadsItAndEndsTheProgram) {
    widget->close();
    EXPECT_EQ(window->State(), forms::LoadState::NotLoaded);
    EXPECT_FALSE(rt.Running());
    EXPECT_EQ(rt.ExitCode(), 0);
}

TEST(FrontEndFonts, DesignedFontsFallBackToInstalledLookAlikes) {
    const struct {
        forms::FontDesign font;
        int pixels;
    } cases[] = {
        {{.name = "MS Sans Serif", .size = 8.25}, 11},
        {{.name = "Times New Roman", .size = 12}, 16},
        {{.name = "Monotype Corsiva", .size = 18, .italic = true}, 24},
    };
    for (const auto& c : cases) {
        const QFont font = frontend::ToQFont(c.font, true);
        EXPECT_EQ(font.pixelSize(), c.pixels) << c.font.name;
        EXPECT_TRUE(font.bold()) << c.font.name;
        EXPECT_EQ(font.italic(), c.font.italic) << c.font.name;
        EXPECT_EQ(QFontInfo(font).family(), font.family()) << c.font.name << ": the stand-in is installed";
    }
}

TEST(FrontEndPictures, EveryPictureIsStoredReadyToDrawAsItsPictureShowsIt) {
    const char* pictures[] = {":/browser/background.png", ":/browser/emblem.png", ":/browser/marker.png",
                              ":/browser/oxford.png",     ":/browser/exit.png",   ":/help/hand.png"};
    for (const char* path : pictures) {
        const QImage ready = frontend::ReadyToDraw(path);
        ASSERT_FALSE(ready.isNull()) << path << " is not stored ready to draw";
        const QImage drawn = QImage(QString::fromLatin1(path)).convertToFormat(ready.format());
        EXPECT_EQ(ready, drawn) << path << ": the stored pixels differ from the picture's";
        EXPECT_EQ(frontend::Picture(path).toImage().convertToFormat(ready.format()), drawn) << path;
    }
    EXPECT_TRUE(frontend::ReadyToDraw(":/browser/no-such-picture.png").isNull());
    EXPECT_TRUE(frontend::Picture(":/browser/no-such-picture.png").isNull());
}

// A small window of the tests' own: a picture with a cursor of its own, one with an icon as its
// pointer, and a label that keeps the window's pointer.
class PointerWindow : public forms::Form {
public:
    static inline const forms::FormDesign design{
        .name = "Pointers",
        .clientWidth = 3000,
        .clientHeight = 1500,
        .controls = {
            {.kind = forms::ControlKind::Image,
             .name = "Cursor",
             .left = 0,
             .width = 960,
             .height = 960,
             .picture = ":/help/hand.png",
             .mousePointer = 99,
             .mouseIcon = ":/help/hand.png",
             .mouseIconHotX = 12,
             .mouseIconHotY = 1},
            {.kind = forms::ControlKind::Image,
             .name = "Icon",
             .left = 1000,
             .width = 960,
             .height = 960,
             .mousePointer = 99,
             .mouseIcon = ":/common/icon.ico"},
            {.kind = forms::ControlKind::Label, .name = "Plain", .left = 2000, .width = 900, .height = 900}}};
    explicit PointerWindow(forms::Runtime& rt) : Form(rt, design) {}
};

TEST(FrontEndPointer, TheWindowsPointerAndEachControlsOwn) {
    forms::Runtime rt;
    rt.SetTwipsPerPixel(kTwips, kTwips);
    FrontEnd front(rt);
    auto& window = rt.Instance<PointerWindow>();
    rt.Start(window);
    FormWidget* widget = front.WidgetOf(window);
    ASSERT_NE(widget, nullptr);
    auto move = [&](QPoint at) { SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton); };

    move({32, 32});
    EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor) << "over the picture with a cursor";
    EXPECT_EQ(widget->cursor().hotSpot(), QPoint(12, 1)) << "the cursor's own hot spot";
    move({100, 32});
    EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor) << "over the picture with an icon";
    EXPECT_EQ(widget->cursor().hotSpot(), QPoint(32, 32)) << "an icon is held at its centre";
    move({160, 32});
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor) << "over the plain label";
    rt.Dispatch([&] { window.SetMousePointer(11); });
    EXPECT_EQ(widget->cursor().shape(), Qt::WaitCursor) << "the busy window";
    move({32, 32});
    EXPECT_EQ(widget->cursor().shape(), Qt::WaitCursor) << "busy over a control with a cursor";
    rt.Dispatch([&] { window.SetMousePointer(0); });
    EXPECT_EQ(widget->cursor().shape(), Qt::BitmapCursor) << "the control's cursor again";
    move({160, 32});
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
}

// Two small windows of the tests' own whose controls log the events they get: the first has a
// picture, a box, a list and a label that hands over to the second, which a picture fills.
std::vector<std::string> clicks;

class NextWindow : public forms::Form {
public:
    static inline const forms::FormDesign design{
        .name = "Next",
        .clientWidth = 9000,
        .clientHeight = 6000,
        .controls = {{.kind = forms::ControlKind::Image, .name = "Landing", .width = 9000, .height = 6000}}};
    explicit NextWindow(forms::Runtime& rt) : Form(rt, design) {
        Bind({{"Landing", forms::Event::MouseDown, [] { clicks.push_back("Landing_MouseDown"); }},
              {"Landing", forms::Event::MouseUp, [] { clicks.push_back("Landing_MouseUp"); }},
              {"Landing", forms::Event::Click, [] { clicks.push_back("Landing_Click"); }},
              {"Landing", forms::Event::DblClick, [] { clicks.push_back("Landing_DblClick"); }}});
    }
};

class ClickWindow : public forms::Form {
public:
    static inline const forms::FormDesign design{
        .name = "Clicks",
        .clientWidth = 6000,
        .clientHeight = 3000,
        .controls = {{.kind = forms::ControlKind::ListBox,
                      .name = "Items",
                      .left = 3000,
                      .width = 1500,
                      .height = 1500},
                     {.kind = forms::ControlKind::TextBox,
                      .name = "Box",
                      .left = 3000,
                      .top = 1800,
                      .width = 1500,
                      .height = 420,
                      .caption = "some text"},
                     {.kind = forms::ControlKind::Image, .name = "Picture", .width = 960, .height = 960},
                     {.kind = forms::ControlKind::Label,
                      .name = "Switch",
                      .top = 1500,
                      .width = 1500,
                      .height = 600}}};
    explicit ClickWindow(forms::Runtime& rt) : Form(rt, design) {
        auto log = [](const char* entry) { return [entry] { clicks.push_back(entry); }; };
        Bind({
            {"", forms::Event::Load,
             [this] {
                 for (const char* item : {"one", "two", "three"})
                     Ctl("Items").AddItem(item);
             }},
            {"Picture", forms::Event::MouseDown, log("Picture_MouseDown")},
            {"Picture", forms::Event::MouseUp, log("Picture_MouseUp")},
            {"Picture", forms::Event::Click, log("Picture_Click")},
            {"Picture", forms::Event::DblClick, log("Picture_DblClick")},
            {"Box", forms::Event::Click, log("Box_Click")},
            {"Box", forms::Event::DblClick, log("Box_DblClick")},
            {"Items", forms::Event::Click, log("Items_Click")},
            {"Items", forms::Event::DblClick, log("Items_DblClick")},
            {"Switch", forms::Event::Click,
             [this] {
                 clicks.push_back("Switch_Click");
                 Unload();
                 App().Instance<NextWindow>().SetVisible(true);
             }},
        });
    }
};

class FrontEndClicks : public ::testing::Test {
protected:
    void SetUp() override {
        clicks.clear();
        rt.SetTwipsPerPixel(kTwips, kTwips);
        rt.Start(window);
        widget = front.WidgetOf(window);
        ASSERT_NE(widget, nullptr);
        ASSERT_NE(widget->windowHandle(), nullptr);
    }
    void TearDown() override { QApplication::processEvents(); }

    // A press or release of the left button as the window system reports it, at a time of the
    // tests' own clock, in milliseconds.
    void Report(QWidget* target, QPoint at, QEvent::Type type, int time) {
        QWindow* w = target->windowHandle();
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        qt_handleMouseEvent(w, QPointF(at), w->mapToGlobal(QPointF(at)), held, Qt::LeftButton, type,
                            Qt::NoModifier, time);
        QApplication::processEvents();
    }
    // Two clicks well inside the desktop's double-click time, at one point of the screen.
    void DoubleClickAt(QPoint at) {
        const int t = QTest::lastMouseTimestamp += 10'000;
        Report(widget, at, QEvent::MouseButtonPress, t);
        Report(widget, at, QEvent::MouseButtonRelease, t + 20);
        Report(widget, at, QEvent::MouseButtonPress, t + 60);
        Report(widget, at, QEvent::MouseButtonRelease, t + 80);
        QTest::lastMouseTimestamp = t + 10'000;
    }

    forms::Runtime rt;
    FrontEnd front{rt};
    ClickWindow& window = rt.Instance<ClickWindow>();
    FormWidget* widget = nullptr;
};

TEST_F(FrontEndClicks, ADoubleClickRaisesDblClickInPlaceOfTheSecondPressAndClick) {
    using Events = std::vector<std::string>;
    auto rowCentre = [&](int row) {
        auto* list = qobject_cast<QListWidget*>(widget->WidgetOf(window.Ctl("Items")));
        return list->viewport()->mapTo(widget, list->visualItemRect(list->item(row)).center());
    };
    const struct {
        const char* what;
        QPoint at;
        Events expected;
    } cases[] = {
        {"a picture",
         CentreOf(window.Ctl("Picture")),
         {"Picture_MouseDown", "Picture_MouseUp", "Picture_Click", "Picture_DblClick", "Picture_MouseUp"}},
        {"a box", CentreOf(window.Ctl("Box")), {"Box_Click", "Box_DblClick"}},
        {"a row of a list", rowCentre(1), {"Items_Click", "Items_DblClick"}},
    };
    for (const auto& c : cases) {
        clicks.clear();
        DoubleClickAt(c.at);
        EXPECT_EQ(clicks, c.expected) << c.what;
    }
    EXPECT_EQ(window.Ctl("Items").ListIndex(), 1) << "the row double-clicked";
}

TEST_F(FrontEndClicks, ADoubleClickWhoseFirstClickHandsOverPressesOnceOnTheNextWindow) {
    const QPoint at = CentreOf(window.Ctl("Switch"));
    const QPoint global = widget->mapToGlobal(at);
    const int t = QTest::lastMouseTimestamp += 10'000;
    Report(widget, at, QEvent::MouseButtonPress, t);
    Report(widget, at, QEvent::MouseButtonRelease, t + 20);
    auto& next = rt.Instance<NextWindow>();
    ASSERT_EQ(next.State(), forms::LoadState::Shown);
    FormWidget* nextWidget = front.WidgetOf(next);
    ASSERT_NE(nextWidget, nullptr);
    // The second press of the pair lands on the window that has just come up.
    const QPoint there = nextWidget->mapFromGlobal(global);
    Report(nextWidget, there, QEvent::MouseButtonPress, t + 60);
    Report(nextWidget, there, QEvent::MouseButtonRelease, t + 80);
    QTest::lastMouseTimestamp = t + 10'000;
    EXPECT_EQ(clicks, (std::vector<std::string>{"Switch_Click", "Landing_MouseDown", "Landing_MouseUp",
                                                "Landing_Click"}))
        << "a press of its own on the next window, not the second half of a double-click";
    EXPECT_EQ(window.State(), forms::LoadState::NotLoaded);
}

} // namespace
