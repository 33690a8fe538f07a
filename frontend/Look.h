#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "forms/Design.h"

namespace frontend {

// A colour of the program (blue-green-red, or a system colour) as Qt's.
QColor ToQColor(forms::Color color);

// A designed font, with its family replaced by an installed look-alike, sized for 96 dots per inch.
QFont ToQFont(const forms::FontDesign& font, bool bold);

// Whether a designed font is the Bengali glyph font, and whether that font is installed here.
bool IsSutonnyMj(const forms::FontDesign& font);
bool SutonnyMjInstalled();

// The text a box of the Bengali glyph font shows: its stored characters where the font is
// installed, else its stand-in text in the stand-in font.
QString SutonnyMjDisplayText(const std::string& storedText);
QFont SutonnyMjDisplayFont(const forms::FontDesign& font);

// Without the glyph font: the Bengali its stored characters draw, as Unicode that a Unicode Bengali
// font shows with the same glyphs in the same order (a visible hasanta stays visible), and that font.
QString SutonnyMjStandInText(const std::string& storedText);
QFont SutonnyMjStandInFont(const forms::FontDesign& font);

} // namespace frontend
