#include "frontend/LabelText.h"

#include <QFontMetricsF>
#include <QTextOption>
#include <QtMath>

namespace frontend {

LabelText::LabelText(const QString& caption, const QFont& font, qreal width, forms::Alignment alignment,
                     bool wordWrap)
    : layout_(caption, font) {
    QTextOption option;
    option.setWrapMode(wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    layout_.setTextOption(option);
    // Lines follow one another as Qt's own drawText sets them: the font's leading apart, each on a
    // whole pixel.
    const qreal leading = QFontMetricsF(font).leading();
    qreal y = -leading;
    layout_.beginLayout();
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(width);
        y = qCeil(y + leading);
        const qreal room = width - line.naturalTextWidth();
        const qreal x = alignment == forms::Alignment::Center  ? room / 2
                        : alignment == forms::Alignment::Right ? room
                                                               : 0;
        line.setPosition(QPointF(x, y));
        y += line.ascent() + line.descent();
    }
    layout_.endLayout();
}

QStringList LabelText::Lines() const {
    QStringList lines;
    const QString text = layout_.text();
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QTextLine line = layout_.lineAt(i);
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    return lines;
}

QRectF LabelText::TextArea() const {
    QRectF area;
    for (int i = 0; i < layout_.lineCount(); ++i) {
        const QTextLine line = layout_.lineAt(i);
        area |= QRectF(line.position(), QSizeF(line.naturalTextWidth(), line.ascent() + line.descent()));
    }
    return area;
}

void LabelText::Draw(QPainter& painter, QPointF topLeft) const {
    layout_.draw(&painter, topLeft);
}

} // namespace frontend
