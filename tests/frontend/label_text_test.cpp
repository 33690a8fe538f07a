// Labels on the offscreen platform: how a caption is broken onto lines, and that a label draws all of
// its caption and nothing outside its own box.

#include "browser/DictionaryPanel.h"
#include "browser/Form2.h"
#include "forms/Runtime.h"
#include "frontend/FormWidget.h"
#include "frontend/FrontEnd.h"
#include "frontend/LabelText.h"
#include "frontend/Look.h"
#include "shell/Form1.h"
#include "shell/Form3.h"
#include "shell/Form4.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QtMath>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr float kTwips = 15;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A control's box in pixels, as the window lays it out.
QRect PixelBox(const forms::ControlDesign& d) {
    auto px = [](float twips) { return static_cast<int>(twips / kTwips + 0.5f); };
    return QRect(px(d.left), px(d.top), px(d.left + d.width) - px(d.left), px(d.top + d.height) - px(d.top));
}

// Every caption a label of the four windows shows: its designed one, or those its window's code
// gives it.
struct Shown {
    std::string window, label;
    const forms::ControlDesign* design;
    QString caption;
};

std::vector<Shown> EveryLabelCaption() {
    std::vector<Shown> shown;
    for (const forms::FormDesign* window :
         {&shell::Form1Design(), &browser::Form2Design(), &shell::Form3Design(), &shell::Form4Design()}) {
        for (const forms::ControlDesign& d : window->controls) {
            if (d.kind != forms::ControlKind::Label)
                continue;
            const std::string name(window->name), label(d.name);
            if (name == "Form1" && label == "Label6") {
                for (const shell::MenuEntry& entry : shell::MenuEntries)
                    shown.push_back({name, label, &d, FromView(entry.tip)});
            } else if (name == "Form2" && label == "Label7") {
                for (const browser::DictionaryPanel& panel : browser::Panels)
                    shown.push_back({name, label, &d, FromView(panel.caption)});
            } else {
                shown.push_back({name, label, &d, FromView(d.caption)});
            }
        }
    }
    return shown;
}

TEST(LabelText, CaptionsBreakBetweenWordsAndInsideOneOnlyWhereItIsWiderThanTheLabel) {
    const std::vector<Shown> every = EveryLabelCaption();
    ASSERT_FALSE(every.empty());
    for (const Shown& s : every) {
        const std::string what = s.window + " " + s.label + " \"" + s.caption.toStdString() + "\"";
        const QRect box = PixelBox(*s.design);
        const QFont font = frontend::ToQFont(s.design->font, s.design->font.bold);
        const frontend::LabelText text(s.caption, font, box.width(), s.design->alignment, s.design->wordWrap);
        const QStringList lines = text.Lines();
        const QRectF area = text.TextArea();
        EXPECT_GE(area.left(), 0.0) << what;
        EXPECT_LE(area.right(), box.width()) << what;
        // Every letter is shown: the glyphs as painted, with no clip, all fall inside the label's box.
        // The picture holds every line and a margin for glyphs that reach out of their line.
        constexpr int kMargin = 24;
        QImage painted(std::max(box.width(), qCeil(area.right())) + 2 * kMargin,
                       std::max(box.height(), qCeil(area.bottom())) + 2 * kMargin,
                       QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        {
            QPainter painter(&painted);
            text.Draw(painter, QPointF(kMargin, kMargin));
        }
        const QRect inside(kMargin, kMargin, box.width(), box.height());
        int in = 0, out = 0;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                if (qAlpha(painted.pixel(x, y)) > 0)
                    ++(inside.contains(x, y) ? in : out);
        EXPECT_GT(in, 0) << what << ": nothing painted";
        EXPECT_EQ(out, 0) << what << ": pixels of letters outside the label";
        // A break inside a word: where the caption goes on at once after a line without a blank.
        const QFontMetricsF metrics(font);
        qsizetype at = 0;
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            at = s.caption.indexOf(lines[i], at) + lines[i].size();
            if (s.caption[at] == QLatin1Char(' '))
                continue;
            qsizetype start = s.caption.lastIndexOf(QLatin1Char(' '), at - 1) + 1;
            qsizetype end = s.caption.indexOf(QLatin1Char(' '), at);
            const QString word = s.caption.mid(start, end < 0 ? -1 : end - start);
            EXPECT_GT(metrics.horizontalAdvance(word), box.width())
                << what << ": \"" << word.toStdString() << "\" is broken though it fits on a line";
        }
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), box.width() + 0.5)
                << what << ": \"" << line.toStdString();
    }
}

TEST(LabelText, TheOverLongWordOfTheBangladeshTipGoesAcrossTwoLines) {
    const forms::ControlDesign* tips = nullptr;
    for (const forms::ControlDesign& d : shell::Form1Design().controls)
        if (d.name == "Label6")
            tips = &d;
    ASSERT_NE(tips, nullptr);
    const QString tip = FromView(shell::MenuEntries[3].tip);
    const QFont font = frontend::ToQFont(tips->font, false);
    ASSERT_GT(QFontMetricsF(font).horizontalAdvance(QStringLiteral("Abbreviation.Those")),
              PixelBox(*tips).width())
        << "the word is wider than the tips label";
    const frontend::LabelText text(tip, font, PixelBox(*tips).width(), tips->alignment, true);
    const QStringList lines = text.Lines();
    qsizetype broken = -1;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].section(QLatin1Char(' '), -1) + lines[i + 1].section(QLatin1Char(' '), 0, 0) ==
            QStringLiteral("Abbreviation.Those"))
            broken = i;
    EXPECT_GE(broken, 0) << lines.join(QStringLiteral(" | ")).toStdString();
    EXPECT_LE(text.TextArea().height(), PixelBox(*tips).height()) << "every line of the tip shows";
}

TEST(LabelText, CentredLinesStandInTheMiddleAndOthersAtTheirSide) {
    const QFont font = frontend::ToQFont({.name = "MS Sans Serif", .size = 9.75}, false);
    const QString caption = QStringLiteral("one two three four five six seven");
    const struct {
        forms::Alignment alignment;
        const char* what;
    } cases[] = {{forms::Alignment::Left, "left"},
                 {forms::Alignment::Center, "centred"},
                 {forms::Alignment::Right, "right"}};
    for (const auto& c : cases) {
        const frontend::LabelText text(caption, font, 100, c.alignment, true);
        ASSERT_GE(text.Lines().size(), 3) << c.what;
        QImage image(300, 200, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        text.Draw(painter, QPointF(100, 0));
        painter.end();
        // Each line's ink, row band by row band: where it starts and ends.
        const qreal lineHeight = QFontMetricsF(font).height();
        for (int line = 0; line < text.Lines().size(); ++line) {
            int first = image.width(), last = -1;
            for (int y = static_cast<int>(line * lineHeight); y < static_cast<int>((line + 1) * lineHeight);
                 ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) > 0) {
                        first = std::min(first, x);
                        last = std::max(last, x);
                    }
            ASSERT_GE(last, first) << c.what << " line " << line;
            const int left = first - 100, right = 199 - last;
            EXPECT_GE(left, 0) << c.what << " line " << line;
            EXPECT_GE(right, 0) << c.what << " line " << line;
            if (c.alignment == forms::Alignment::Left)
                EXPECT_LE(left, 1) << c.what << " line " << line;
            else if (c.alignment == forms::Alignment::Right)
                EXPECT_LE(right, 2) << c.what << " line " << line;
            else
                EXPECT_LE(std::abs(left - right), 2) << c.what << " line " << line;
        }
    }
}

TEST(LabelText, EachTipShowsWholeInsideTheTipsLabelAndNothingOutsideIt) {
    forms::Runtime rt;
    rt.SetTwipsPerPixel(kTwips, kTwips);
    frontend::FrontEnd front(rt);
    auto& menu = rt.Instance<shell::Form1>();
    rt.Start(menu);
    frontend::FormWidget* widget = front.WidgetOf(menu);
    ASSERT_NE(widget, nullptr);
    forms::Control& tips = menu.Ctl("Label6");
    const QRect box = PixelBox(tips.Design());
    const QImage bare = widget->grab().toImage();
    for (const shell::MenuEntry& entry : shell::MenuEntries) {
        rt.Dispatch([&] {
            tips.SetVisible(true);
            tips.SetCaption(std::string(entry.tip));
        });
        const QImage shown = widget->grab().toImage();
        // The window as it would look with the tip's lines drawn over it and nothing cut away.
        QImage whole = bare.copy();
        QPainter painter(&whole);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(frontend::ToQColor(tips.ForeColor()));
        frontend::LabelText(FromView(entry.tip), frontend::ToQFont(tips.Design().font, false), box.width(),
                            tips.Design().alignment, true)
            .Draw(painter, box.topLeft());
        painter.end();
        int outside = 0, inside = 0, cut = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const bool in = box.contains(x, y);
                if (shown.pixel(x, y) != bare.pixel(x, y))
                    ++(in ? inside : outside);
                if (shown.pixel(x, y) != whole.pixel(x, y))
                    ++cut;
            }
        EXPECT_EQ(outside, 0) << entry.label << ": pixels of the tip outside the tips label";
        EXPECT_GT(inside, 0) << entry.label << ": the tip is drawn";
        EXPECT_EQ(cut, 0) << entry.label << ": pixels of the tip's lines missing or different";
    }
}

} // namespace
