#include "frontend/Look.h"

#include <QFontDatabase>

#include <map>
#include <string>

#include "platform/core/SutonnyMj.h"
#include "platform/core/Windows1252.h"

namespace frontend {
namespace {

QString FirstInstalled(std::initializer_list<const char*> families) {
    // The font database may name a family with its foundry ("Z003 [urw]"): the name it gives is used.
    const QStringList installed = QFontDatabase::families();
    for (const char* family : families) {
        const QString name = QString::fromLatin1(family);
        for (const QString& each : installed)
            if (each.compare(name, Qt::CaseInsensitive) == 0 ||
                each.startsWith(name + QStringLiteral(" ["), Qt::CaseInsensitive))
                return each;
    }
    return QString::fromLatin1("DejaVu Sans");
}

QString StandIn(std::string_view designed) {
    if (designed == "Times New Roman")
        return FirstInstalled({"Times New Roman", "Liberation Serif", "DejaVu Serif"});
    if (designed == "Monotype Corsiva")
        return FirstInstalled({"Monotype Corsiva", "URW Chancery L", "Z003", "DejaVu Serif"});
    return FirstInstalled({"MS Sans Serif", "Liberation Sans", "DejaVu Sans"});
}

// The installed family that shows a designed one, looked up once: every paint of a label asks.
QString Family(std::string_view designed) {
    static std::map<std::string, QString, std::less<>> chosen;
    auto it = chosen.find(designed);
    if (it == chosen.end())
        it = chosen.emplace(std::string(designed), StandIn(designed)).first;
    return it->second;
}

// A font of a designed size in points, at 96 dots per inch.
QFont SizedFont(const QString& family, const forms::FontDesign& font) {
    QFont f(family);
    f.setPixelSize(static_cast<int>(font.size * 96.0 / 72.0 + 0.5));
    return f;
}

} // namespace

QColor ToQColor(forms::Color color) {
    if (color & 0x80000000u) {
        switch (color & 0xFFu) {
        case 5:  // window background
        case 14: // highlighted text
            return QColor(255, 255, 255);
        case 15: // button face
            return QColor(240, 240, 240);
        default: // window and button text
            return QColor(0, 0, 0);
        }
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QFont ToQFont(const forms::FontDesign& font, bool bold) {
    QFont f = SizedFont(Family(font.name), font);
    f.setBold(bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

bool IsSutonnyMj(const forms::FontDesign& font) {
    return font.name == "SutonnyMJ";
}

bool SutonnyMjInstalled() {
    static const bool installed = QFontDatabase::families().contains(QStringLiteral("SutonnyMJ"));
    return installed;
}

QString SutonnyMjDisplayText(const std::string& storedText) {
    if (SutonnyMjInstalled())
        return QString::fromUtf8(storedText.data(), static_cast<qsizetype>(storedText.size()));
    return SutonnyMjStandInText(storedText);
}

QFont SutonnyMjDisplayFont(const forms::FontDesign& font) {
    return SutonnyMjInstalled() ? SizedFont(QStringLiteral("SutonnyMJ"), font) : SutonnyMjStandInFont(font);
}

QString SutonnyMjStandInText(const std::string& storedText) {
    const std::string bengali = platform::DecodeSutonnyMj(platform::Utf8ToWindows1252(storedText),
                                                          platform::SutonnyMjReading::AsDrawn);
    return QString::fromUtf8(bengali.data(), static_cast<qsizetype>(bengali.size()));
}

QFont SutonnyMjStandInFont(const forms::FontDesign& font) {
    return SizedFont(FirstInstalled({"Noto Sans Bengali", "FreeSans"}), font);
}

} // namespace frontend
