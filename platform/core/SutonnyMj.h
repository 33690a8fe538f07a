#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// The codec between Unicode Bengali and the 8-bit glyph codes of the SutonnyMJ font.

// Raised when a text holds a character that the font cannot draw.
class SutonnyMjEncodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Encodes UTF-8 Unicode Bengali (with ASCII blanks and punctuation) into the font's bytes.
std::string EncodeSutonnyMj(std::string_view unicodeBengali);

// How the font's visible hasanta (byte 0x26) reads: as the plain sign of logical Unicode, or as drawn,
// followed by a zero width non-joiner, so that a Unicode font too shows the sign and keeps the
// letters on either side apart, each with its own vowel sign.
enum class SutonnyMjReading { Logical, AsDrawn };

// Decodes the font's bytes into UTF-8 Unicode Bengali in logical order.
std::string DecodeSutonnyMj(std::string_view fontBytes, SutonnyMjReading reading = SutonnyMjReading::Logical);

namespace detail {

// A conjunct as the encoder writes it: the font's bytes for its Unicode letters, with a visible
// hasanta (0x26) where the font has no glyph joining two of them.
struct SutonnyMjConjunct {
    std::u32string_view text;
    std::string_view bytes;
};

// The conjuncts the encoder writes as one ligature, as a half form with its second part, or as
// glyphs around a visible hasanta.
std::span<const SutonnyMjConjunct> SutonnyMjConjuncts();

} // namespace detail

} // namespace platform
