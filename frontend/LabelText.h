#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextLayout>

#include "forms/Design.h"

namespace frontend {

// A label's caption laid out as the label shows it: from its top edge, each line placed by the
// label's alignment. A wrapping label breaks its caption between words where the width allows, and
// inside a word only where the word alone is wider than the label.
class LabelText {
public:
    LabelText(const QString& caption, const QFont& font, qreal width, forms::Alignment alignment,
              bool wordWrap);

    // The lines' texts, top to bottom, each without the blanks it was broken at.
    QStringList Lines() const;
    // The area the lines' text takes, from the label's top-left corner.
    QRectF TextArea() const;
    // Draws the lines with the painter's pen; keeping them inside the label is the caller's clip.
    void Draw(QPainter& painter, QPointF topLeft) const;

private:
    QTextLayout layout_;
};

} // namespace frontend
