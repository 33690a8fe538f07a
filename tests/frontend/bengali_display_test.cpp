// The hardware dictionary's Bengali where the SutonnyMJ font is missing: the Unicode text and font
// that stand in for it, on the offscreen platform.

#include "browser/Form2.h"
#include "dictionaries/Dictionary.h"
#include "frontend/Look.h"
#include "platform/core/SutonnyMj.h"
#include "platform/core/Windows1252.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int kRow = 39; // "Average access time", which holds কাঙ্ক্ষিত
const QString kDrawnWord = QStringLiteral("কাঙ্\u200Cক্ষিত");

std::string StoredElaboration(int row) {
    return std::string(
        dictionaries::Dictionary(dictionaries::DictionaryId::HardwareDictionary).Entry(row)->Elaboration);
}

const forms::FontDesign& ElaborationFont() {
    for (const forms::ControlDesign& d : browser::Form2Design().controls)
        if (d.name == "Text7")
            return d.font;
    ADD_FAILURE() << "the browser window has no Text7";
    static const forms::FontDesign none;
    return none;
}

TEST(BengaliDisplay, TheStandInTextKeepsTheVisibleHasantaOfRow39) {
    const std::string stored = StoredElaboration(kRow);
    const QString shown = frontend::SutonnyMjStandInText(stored);
    EXPECT_TRUE(shown.contains(kDrawnWord)) << shown.toStdString();
    // Apart from the non-joiner the text is the Bengali that the bytes spell.
    EXPECT_EQ(QString(shown).remove(QChar(0x200C)).toStdString(),
              platform::DecodeSutonnyMj(platform::Utf8ToWindows1252(stored)));
    if (!frontend::SutonnyMjInstalled()) {
        EXPECT_EQ(frontend::SutonnyMjDisplayText(stored), shown);
        EXPECT_EQ(frontend::SutonnyMjDisplayFont(ElaborationFont()),
                  frontend::SutonnyMjStandInFont(ElaborationFont()));
    }
}

TEST(BengaliDisplay, Row39DrawsTheIKarAfterTheNgaWithItsHasanta) {
    const QString shown = frontend::SutonnyMjStandInText(StoredElaboration(kRow));
    const qsizetype start = shown.indexOf(QStringLiteral("কাঙ"));
    ASSERT_GE(start, 0) << shown.toStdString();
    const QString word = shown.mid(start, shown.indexOf(QLatin1Char(' '), start) - start);
    const QFont font = frontend::SutonnyMjStandInFont(ElaborationFont());

    // As SutonnyMJ draws it: ঙ with a visible hasanta, then ক্ষ with the i-kar in front of it. So the
    // word drawn whole looks as its two parts drawn one after the other, where a font that joins
    // ঙ্ক্ষ into one glyph would put the i-kar before all of it.
    const qsizetype split = word.indexOf(QStringLiteral("ক্ষ"));
    ASSERT_GT(split, 0) << word.toStdString();
    QTextLayout layout(word, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const qreal secondAt = line.cursorToX(static_cast<int>(split));

    const QPointF origin(4, 40);
    QImage whole(200, 60, QImage::Format_RGB32), parts(whole.size(), QImage::Format_RGB32);
    whole.fill(Qt::white);
    parts.fill(Qt::white);
    {
        QPainter painter(&whole);
        painter.setFont(font);
        painter.drawText(origin, word);
    }
    {
        QPainter painter(&parts);
        painter.setFont(font);
        painter.drawText(origin, word.left(split));
        painter.setCompositionMode(QPainter::CompositionMode_Darken);
        painter.drawText(origin + QPointF(secondAt, 0), word.mid(split));
    }
    int differing = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x)
            if (std::abs(qGray(whole.pixel(x, y)) - qGray(parts.pixel(x, y))) > 64)
                ++differing;
    EXPECT_EQ(differing, 0) << word.toStdString() << " is drawn otherwise than \""
                            << word.left(split).toStdString() << "\" followed by \""
                            << word.mid(split).toStdString() << "\"";
}

} // namespace
