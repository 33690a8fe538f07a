#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The system's 8-bit code page is Windows-1252. Texts inside the program are UTF-8.

// The character that a Windows-1252 byte stands for, or nullopt for the five unassigned bytes
// 0x81, 0x8D, 0x8F, 0x90 and 0x9D.
std::optional<char32_t> Windows1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a character, or nullopt when the code page has no form for it. The
// characters U+0081, U+008D, U+008F, U+0090 and U+009D give back their unassigned bytes.
std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint);

// The UTF-8 text of an 8-bit Windows-1252 text. An unassigned byte becomes the character of
// the same number (as the system's conversion does), so no byte is lost.
std::string Windows1252ToUtf8(std::string_view bytes);

// The 8-bit copy of a UTF-8 text. A character with no form in the code page, or a malformed
// sequence, becomes '?'.
std::string Utf8ToWindows1252(std::string_view utf8);

// Decodes UTF-8 into code points; malformed sequences give U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);
void AppendUtf8(std::string& out, char32_t codePoint);

} // namespace platform
