#include "HelpArt.h"

#include "Paint.h"
#include "Palette.h"
#include "WindowArt.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

namespace artwork::help {

namespace {

constexpr int kWidth = 530;
constexpr int kHeight = 424;
const QRect kMinimizePlace(464, 8, 22, 16);
const QRect kBackPlace(496, 8, 22, 16);
const QRect kTermsPlace(16, 360, 111, 26);
const QRect kAboutPlace(144, 360, 111, 26);
const QRect kDownloadPlace(272, 360, 111, 26);
const QRect kHelpPlace(400, 360, 111, 26);
// The sunken panel under the pages and the page buttons, and the sheet the pages lie on.
const QRectF kPanelBox(8.5, 40.5, 513.0, 376.0);
const QRectF kSheet(43.5, 43.5, 454.0, 311.0);
constexpr int kPageWidth = 445;
constexpr int kPageHeight = 293;
constexpr qreal kPageMargin = 26.0;

// The window's labels, in pixels of the page picture they lie on, and the fonts the window shows
// them in (MS Sans Serif and Times New Roman are shown in their Liberation look-alikes).
const QRectF kFirstMailLabel(80.0, 128.0, 209.0, 25.0);
const QRectF kSecondMailLabel(80.0, 193.33, 209.0, 25.0);
const QRectF kSoftwareLink(56.0, 56.0, 313.0, 25.0);
const QRectF kPageLink(216.0, 190.0, 105.0, 21.0);
const QRectF kSupportLink(323.67, 219.33, 89.0, 21.0);
const QRectF kGroupLink(349.33, 249.0, 89.0, 21.0);
const QRectF kSupportCenterLink(168.0, 136.0, 209.0, 25.0);
const QString kSupportMail = QStringLiteral("help@lumitrasoftware.com");

QFont LabelSans(int pixelSize, bool bold = false) {
    return MakeFont(kNarrowSans, pixelSize, bold ? QFont::Bold : QFont::Normal);
}
QFont LabelSerif(int pixelSize, bool bold = false) {
    return MakeFont(kTimesSerif, pixelSize, bold ? QFont::Bold : QFont::Normal);
}

// Where the text of a label whose box starts at top stands: the window sets it at the top of its box.
qreal LabelBaseline(const QRectF& box, const QFont& font) {
    return box.top() + QFontMetricsF(font).ascent();
}

// Text whose advance ends at baselineEnd.x().
void PaintTextEndingAt(QPainter& painter, QPointF baselineEnd, const QString& text, const QFont& font,
                       QColor colour, QColor shadow = Qt::transparent) {
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    PaintTextAt(painter, baselineEnd - QPointF(width, 0.0), text, font, colour, shadow);
}

// The words of text broken into lines no wider than width.
// The words of text broken into lines no wider than width; a line break in the text always breaks.
QStringList Wrap(const QString& text, const QFont& font, qreal width) {
    const QFontMetricsF metrics(font);
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
                lines.append(line);
                line = word;
            } else {
                line = longer;
            }
        }
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

// A numbered term: its number hangs left of its lines. Returns the baseline after its last line.
qreal PaintTerm(QPainter& painter, int number, const QString& text, qreal baseline, qreal lineHeight,
                const QFont& font) {
    const qreal indent = 16.0;
    const qreal left = kPageMargin;
    PaintTextAt(painter, QPointF(left, baseline), QString::number(number) + QLatin1Char('.'),
                MakeFont(kNarrowSans, font.pixelSize(), QFont::Bold), kGold, WithAlpha(kInk, 200));
    for (const QString& line : Wrap(text, font, kPageWidth - 2.0 * kPageMargin - indent)) {
        PaintTextAt(painter, QPointF(left + indent, baseline), line, font, kCream, WithAlpha(kInk, 200));
        baseline += lineHeight;
    }
    return baseline;
}

// Centred lines of text. Returns the baseline after the last one.
qreal PaintCentredLines(QPainter& painter, const QString& text, qreal baseline, qreal lineHeight,
                        const QFont& font, QColor colour) {
    for (const QString& line : Wrap(text, font, kPageWidth - 2.0 * kPageMargin)) {
        PaintTextOnBaseline(painter, QPointF(kPageWidth / 2.0, baseline), line, font, colour,
                            WithAlpha(kInk, 200));
        baseline += lineHeight;
    }
    return baseline;
}

// The colours of a question badge: its ring from top to bottom, its disc from the light to the
// rim, the fine line inside the ring, and its mark.
struct BadgeColours {
    QColor ringTop, ringBottom;
    QColor discLight, discMiddle, discRim;
    QColor line;
    QColor mark;
};

const BadgeColours kRedOnWhite{kBrightRed, kRed, kWhite, kCream, kPaper, WithAlpha(kGoldDark, 150), kRed};
const BadgeColours kWhiteOnGreen{QColor(0x3c, 0xb4, 0x4a),
                                 QColor(0x0e, 0x5a, 0x1c),
                                 QColor(0x52, 0xc8, 0x5e),
                                 QColor(0x22, 0x96, 0x34),
                                 QColor(0x14, 0x6e, 0x24),
                                 WithAlpha(kWhite, 90),
                                 kWhite};

// The round badge of the help window: a question mark on a disc in a ring, red on white as the
// title bar shows it.
void PaintQuestionBadge(QPainter& painter, QPointF centre, qreal radius,
                        const BadgeColours& colours = kRedOnWhite) {
    painter.save();
    painter.setPen(Qt::NoPen);
    QLinearGradient ring(centre.x(), centre.y() - radius, centre.x(), centre.y() + radius);
    ring.setColorAt(0.0, colours.ringTop);
    ring.setColorAt(1.0, colours.ringBottom);
    painter.setBrush(ring);
    painter.drawEllipse(centre, radius, radius);
    const qreal inner = radius * 0.84;
    QRadialGradient disc(centre.x() - inner * 0.3, centre.y() - inner * 0.4, inner * 1.6);
    disc.setColorAt(0.0, colours.discLight);
    disc.setColorAt(0.6, colours.discMiddle);
    disc.setColorAt(1.0, colours.discRim);
    painter.setBrush(disc);
    painter.drawEllipse(centre, inner, inner);
    if (radius >= 14.0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colours.line, std::max(0.8, radius * 0.04)));
        painter.drawEllipse(centre, inner - radius * 0.07, inner - radius * 0.07);
    }
    const QFont mark =
        MakeFont(kSerif, std::max(7, static_cast<int>(std::lround(radius * 1.35))), QFont::Bold);
    PaintTextCentred(painter, centre + QPointF(radius * 0.03, radius * 0.06), QStringLiteral("?"), mark,
                     WithAlpha(kInk, 90));
    PaintTextCentred(painter, centre, QStringLiteral("?"), mark, colours.mark);
    painter.restore();
}

void PaintPanel(QPainter& painter) {
    QPainterPath panel;
    panel.addRoundedRect(kPanelBox, 10.0, 10.0);
    QLinearGradient fill(0.0, kPanelBox.top(), 0.0, kPanelBox.bottom());
    fill.setColorAt(0.0, QColor(0x2c, 0x03, 0x06));
    fill.setColorAt(0.12, kPanel);
    fill.setColorAt(1.0, QColor(0x3e, 0x06, 0x0a));
    painter.fillPath(panel, fill);

    // Sunken: the light falls from above, so the upper edge lies in shadow and the lower edge is lit.
    painter.save();
    painter.setClipPath(panel);
    QLinearGradient shade(0.0, kPanelBox.top(), 0.0, kPanelBox.top() + 10.0);
    shade.setColorAt(0.0, WithAlpha(kInk, 200));
    shade.setColorAt(1.0, WithAlpha(kInk, 0));
    painter.fillRect(QRectF(kPanelBox.left(), kPanelBox.top(), kPanelBox.width(), 10.0), shade);
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(kInk, 230), 1.0));
    painter.drawPath(panel);

    // The sheet the pages are shown on: the About and title pages lie on it bare.
    QPainterPath sheet;
    sheet.addRoundedRect(kSheet, 6.0, 6.0);
    QRadialGradient glow(kSheet.center().x(), kSheet.top() + 110.0, 300.0);
    glow.setColorAt(0.0, QColor(0x5e, 0x0b, 0x11));
    glow.setColorAt(1.0, kWineDeep);
    painter.fillPath(sheet, glow);
    painter.setPen(QPen(WithAlpha(kGold, 110), 1.0));
    painter.drawPath(sheet);
}

QImage PageButton(const QImage& background, const QRect& place, const QString& word) {
    QImage image = background.copy(place).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter;
    BeginPainting(painter, image);
    PaintTile(painter, QRectF(0.5, 0.5, place.width() - 1.0, place.height() - 1.0), 6.0);
    PaintTextOnBaseline(painter, QPointF(place.width() / 2.0, 17.5), word, MakeFont(kSans, 13, QFont::Bold),
                        kWhite, WithAlpha(kInk, 220));
    painter.end();
    return image;
}

// A page picture's ground: a card in the window's reds with a gold edge, and its heading.
QImage PageCanvas(const QString& heading) {
    QImage image(kPageWidth, kPageHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter painter;
    BeginPainting(painter, image);
    PaintFace(painter, image.rect(), 0.0, kPageHeight);
    PaintGlow(painter, image.rect(), QPointF(kPageWidth / 2.0, 0.0), 260.0, 46);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(WithAlpha(kGold, 170), 1.0));
    painter.drawRect(QRectF(0.5, 0.5, kPageWidth - 1.0, kPageHeight - 1.0));

    PaintTextOnBaseline(painter, QPointF(kPageWidth / 2.0, 29.0), heading, MakeFont(kSerif, 19, QFont::Bold),
                        kGoldLight, WithAlpha(kInk, 220));
    painter.end();
    return image;
}

// The hand of the pointers, drawn in the classic way: white with a dark outline.
void PaintCursorOutline(QPainter& painter, const QPainterPath& shape, qreal lineScale = 1.0) {
    PaintShadow(painter, shape, QPointF(1.0, 1.0), 1, WithAlpha(QColor(0, 0, 0), 110));
    painter.setPen(
        QPen(QColor(0x10, 0x00, 0x00), 1.1 * lineScale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kWhite);
    painter.drawPath(shape);
}

// The help window's emblem in its title bar: the question badge, raised a little.
void PaintTitleBadge(QPainter& painter) {
    QPainterPath disc;
    disc.addEllipse(QPointF(19.0, 16.0), 10.0, 10.0);
    PaintShadow(painter, disc, QPointF(0.0, 1.0), 1, WithAlpha(kInk, 180));
    PaintQuestionBadge(painter, QPointF(19.0, 16.0), 10.0);
}

} // namespace

QImage Background() {
    return WindowBackground(kWidth, kHeight, kWidth, kTitleBarBottom, [](QPainter& painter, const QRect&) {
        PaintTitleBar(painter, kWidth, PaintTitleBadge, QStringLiteral("Help"),
                      QRectF(458.5, 4.5, 65.0, 23.0));
        PaintPanel(painter);
    });
}

QImage Minimize(const QImage& background) {
    return TitleBarButton(background, kMinimizePlace, false);
}

QImage Back(const QImage& background) {
    return TitleBarButton(background, kBackPlace, true);
}

QImage TermsButton(const QImage& background) {
    return PageButton(background, kTermsPlace, QStringLiteral("Terms of Use"));
}

QImage AboutButton(const QImage& background) {
    return PageButton(background, kAboutPlace, QStringLiteral("About"));
}

QImage DownloadButton(const QImage& background) {
    return PageButton(background, kDownloadPlace, QStringLiteral("Download"));
}

QImage HelpButton(const QImage& background) {
    return PageButton(background, kHelpPlace, QStringLiteral("Help"));
}

QImage TermsPage() {
    QImage image = PageCanvas(QStringLiteral("Terms of Use"));
    QPainter painter;
    BeginPainting(painter, image);
    PaintFadingRule(painter, 60.0, kPageWidth - 60.0, 37.5, WithAlpha(kGold, 160));
    const QFont text = LabelSans(12);
    constexpr qreal kLine = 14.5;
    // The second and fourth terms end by asking for a letter: the address label stands under each.
    const qreal firstMail = LabelBaseline(kFirstMailLabel, LabelSerif(16, true));
    const qreal secondMail = LabelBaseline(kSecondMailLabel, LabelSerif(16, true));
    PaintTerm(painter, 1,
              QStringLiteral("You may copy this software for your own use and give copies to your friends, "
                             "free of charge."),
              63.0, kLine, text);
    PaintTerm(painter, 2,
              QStringLiteral("Do not upload it to a web site or a file-sharing service, and do not sell it "
                             "on a CD. For permission, please write to:"),
              firstMail - 2.0 * kLine - 8.0, kLine, text);
    PaintTerm(painter, 3,
              QStringLiteral("Do not change, crack or decompile the program or its dictionaries."),
              firstMail + 22.0, kLine, text);
    PaintTerm(painter, 4, QStringLiteral("To bundle it with software of your own, please write to:"),
              secondMail - kLine - 8.0, kLine, text);
    PaintTerm(painter, 5,
              QStringLiteral("The software comes as it is, without warranty. Keep this notice with every "
                             "copy you give away."),
              secondMail + 22.0, kLine, text);
    PaintFadingRule(painter, 60.0, kPageWidth - 60.0, 262.5, WithAlpha(kGold, 160));
    PaintTextOnBaseline(painter, QPointF(kPageWidth / 2.0, 281.0),
                        QStringLiteral("Thank you for respecting our work."),
                        MakeFont(kSerif, 13, QFont::Normal, true), kGoldLight, WithAlpha(kInk, 200));
    painter.end();
    return image;
}

QImage DownloadPage() {
    QImage image = PageCanvas(QStringLiteral("Download more free software from"));
    QPainter painter;
    BeginPainting(painter, image);
    const QFont text = LabelSans(12);
    // The link to the maker's site stands between the heading and this sentence.
    const qreal link = LabelBaseline(kSoftwareLink, LabelSans(18));
    PaintCentredLines(painter,
                      QStringLiteral("Our web site offers more dictionaries, learning tools\n"
                                     "and updates, all of them free to download."),
                      link + 26.0, 15.0, text, kCream);
    PaintFadingRule(painter, 60.0, kPageWidth - 60.0, 146.5, WithAlpha(kGold, 160));
    PaintTextOnBaseline(painter, QPointF(kPageWidth / 2.0, 172.0), QStringLiteral("Stay in touch"),
                        MakeFont(kSerif, 14, QFont::Normal, true), kGoldLight, WithAlpha(kInk, 200));

    // Each line leads with dots to its "Click here" label.
    const QFont clickHere = LabelSans(16, true);
    const QFont line = LabelSans(13);
    struct Row {
        QRectF label;
        QString text;
    };
    const std::array<Row, 3> rows = {
        Row{kPageLink, QStringLiteral("Our page on Facebook")},
        Row{kSupportLink, QStringLiteral("Questions? Ask our support centre")},
        Row{kGroupLink, QStringLiteral("Join the Lumitra users' group on Facebook")},
    };
    const qreal left = kPageMargin + 14.0;
    for (const Row& row : rows) {
        const qreal baseline = LabelBaseline(row.label, clickHere);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kGold);
        painter.drawEllipse(QPointF(left - 9.0, baseline - 4.5), 2.5, 2.5);
        PaintTextAt(painter, QPointF(left, baseline), row.text, line, kCream, WithAlpha(kInk, 200));
        const qreal textEnd = left + QFontMetricsF(line).horizontalAdvance(row.text);
        painter.setBrush(WithAlpha(kGold, 190));
        for (qreal x = std::ceil(textEnd + 6.0); x <= row.label.left() - 6.0; x += 4.0)
            painter.drawEllipse(QPointF(x, baseline - 1.0), 0.75, 0.75);
    }
    painter.end();
    return image;
}

QImage HelpPage() {
    QImage image = PageCanvas(QStringLiteral("Need help?"));
    QPainter painter;
    BeginPainting(painter, image);
    PaintFadingRule(painter, 60.0, kPageWidth - 60.0, 37.5, WithAlpha(kGold, 160));
    const QFont text = LabelSans(12);
    PaintCentredLines(
        painter,
        QStringLiteral("If you meet any problem with Lumitra Abbreviation Dictionary, please write "
                       "to us about it at:"),
        58.0, 15.0, text, kCream);
    PaintTextOnBaseline(painter, QPointF(kPageWidth / 2.0, 98.0), kSupportMail,
                        MakeFont(kSerif, 15, QFont::Bold), kGoldLight, WithAlpha(kInk, 220));

    // The support centre's link sits at the end of this line; leave room for its bold hover look.
    const QFont link = LabelSerif(16, true);
    const qreal baseline = LabelBaseline(kSupportCenterLink, LabelSerif(16));
    const qreal linkWidth = QFontMetricsF(link).horizontalAdvance(QStringLiteral("Lumitra Support Center"));
    const qreal linkStart = kSupportCenterLink.center().x() - linkWidth / 2.0;
    PaintTextEndingAt(painter, QPointF(linkStart - 6.0, baseline),
                      QStringLiteral("For quick answers, visit the"), LabelSans(13), kCream,
                      WithAlpha(kInk, 200));

    PaintCentredLines(
        painter,
        QStringLiteral("We would love to hear from you: send your feedback and your ideas for the "
                       "next edition by e-mail to the same address."),
        188.0, 15.0, text, kCream);
    PaintFadingRule(painter, 60.0, kPageWidth - 60.0, 232.5, WithAlpha(kGold, 160));
    PaintTextOnBaseline(painter, QPointF(kPageWidth / 2.0, 258.0),
                        QStringLiteral("Thank you for choosing Lumitra Software."),
                        MakeFont(kSerif, 13, QFont::Normal, true), kGoldLight, WithAlpha(kInk, 200));
    painter.end();
    return image;
}

QImage HandPointer() {
    QImage image = NewImage(32, 32);
    QPainter painter;
    BeginPainting(painter, image);
    // The index finger points straight up; its tip is the hot spot at (12, 1).
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9.5, 1.0, 5.0, 17.0), 2.5, 2.5);
    hand.addRoundedRect(QRectF(14.0, 9.0, 4.5, 10.0), 2.2, 2.2);
    hand.addRoundedRect(QRectF(18.0, 10.0, 4.5, 9.5), 2.2, 2.2);
    hand.addRoundedRect(QRectF(22.0, 11.5, 4.5, 9.0), 2.2, 2.2);
    QPainterPath palm;
    palm.moveTo(9.5, 15.0);
    palm.lineTo(26.5, 15.0);
    palm.lineTo(26.5, 22.0);
    palm.cubicTo(26.5, 26.0, 24.0, 29.5, 20.0, 29.5);
    palm.lineTo(14.5, 29.5);
    palm.cubicTo(12.0, 29.5, 10.5, 28.0, 9.0, 26.0);
    palm.lineTo(4.0, 19.5);
    palm.cubicTo(2.8, 18.0, 3.6, 16.0, 5.5, 16.3);
    palm.lineTo(9.5, 19.0);
    palm.closeSubpath();
    hand = hand.united(palm).simplified();
    PaintCursorOutline(painter, hand);
    // The creases between the folded fingers.
    painter.setPen(QPen(QColor(0x10, 0x00, 0x00), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (const qreal x : {14.25, 18.25, 22.25})
        painter.drawLine(QPointF(x, 13.0), QPointF(x, 17.5));
    painter.end();
    return image;
}

QImage StickPointer(int size) {
    QImage image = NewImage(size, size);
    QPainter painter;
    BeginPainting(painter, image);
    // Drawn on 32 x 32 along the stick: it runs to the left from the fist, and the whole turns so that
    // its tip lies in the top-left corner.
    painter.scale(size / 32.0, size / 32.0);
    painter.translate(20.0, 20.0);
    painter.rotate(45.0);
    // The smaller picture draws its lines thicker, so that they still show.
    const qreal line = size < 32 ? 1.6 : 1.0;
    QPainterPath stick;
    stick.moveTo(-26.0, -0.6 * line);
    stick.lineTo(11.0, -1.8 * line);
    stick.lineTo(11.0, 1.8 * line);
    stick.lineTo(-26.0, 0.6 * line);
    stick.closeSubpath();
    PaintShadow(painter, stick, QPointF(0.8, 0.8), 1, WithAlpha(QColor(0, 0, 0), 110));
    QLinearGradient wood(0.0, -1.6, 0.0, 1.6);
    wood.setColorAt(0.0, kGoldLight);
    wood.setColorAt(1.0, kGoldDark);
    painter.setPen(QPen(QColor(0x3a, 0x1a, 0x02), 0.8 * line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(wood);
    painter.drawPath(stick);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRed);
    painter.drawEllipse(QPointF(-25.5, 0.0), 1.4 * line, 1.2 * line);

    // The fingers wrap the stick from below and the thumb lies along it on top.
    QPainterPath fist;
    fist.addRoundedRect(QRectF(-6.0, -3.5, 14.0, 11.0), 4.5, 4.5);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-9.0, -6.5, 12.0, 5.0), 2.5, 2.5);
    fist = fist.united(thumb).simplified();
    PaintCursorOutline(painter, fist, line);
    if (size >= 32) {
        painter.setPen(QPen(QColor(0x10, 0x00, 0x00), 0.9, Qt::SolidLine, Qt::RoundCap));
        for (const qreal x : {-2.5, 1.0, 4.5})
            painter.drawLine(QPointF(x, 1.5), QPointF(x, 7.0));
        painter.drawLine(QPointF(-5.0, -1.5), QPointF(2.5, -1.5));
    }
    painter.end();
    return image;
}

QImage Icon(IconColours colours) {
    QImage image = NewImage(32, 32);
    QPainter painter;
    BeginPainting(painter, image);
    PaintQuestionBadge(painter, QPointF(16.0, 16.0), 15.0,
                       colours == IconColours::RedOnWhite ? kRedOnWhite : kWhiteOnGreen);
    painter.end();
    return image;
}

QImage IconMonochrome() {
    // Black and white only, with hard edges: a white disc in a black ring, and a black mark.
    QImage image = NewImage(32, 32);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 2.0));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(1.0, 1.0, 30.0, 30.0));
    QFont mark = MakeFont(kSerif, 22, QFont::Bold);
    mark.setStyleStrategy(QFont::NoAntialias);
    PaintTextCentred(painter, QPointF(16.0, 16.0), QStringLiteral("?"), mark, Qt::black);
    painter.end();
    return image;
}

} // namespace artwork::help
