#include "platform/core/Windows1252.h"

#include <array>

namespace platform {
namespace {

// Bytes 0x80 to 0x9F; 0 marks an unassigned byte.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

std::optional<char32_t> Windows1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        char32_t c = kHighControls[byte - 0x80];
        if (c == 0)
            return std::nullopt;
        return c;
    }
    return static_cast<char32_t>(byte);
}

std::optional<unsigned char> CodePointToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == codePoint)
            return static_cast<unsigned char>(0x80 + i);
    }
    // An unassigned byte travels as the character of its own number and comes back as itself.
    if (codePoint >= 0x80 && codePoint <= 0x9F && kHighControls[codePoint - 0x80] == 0)
        return static_cast<unsigned char>(codePoint);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::u32string DecodeUtf8(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        auto b = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t c = 0;
        if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            c = b & 0x1Fu;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            c = b & 0x0Fu;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            c = b & 0x07u;
        } else {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        bool ok = i + static_cast<std::size_t>(extra) < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            auto cb = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((cb & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (cb & 0x3Fu);
        }
        // Overlong forms, surrogates and code points beyond U+10FFFF are malformed too.
        constexpr char32_t kShortest[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (c < kShortest[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF))
            ok = false;
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, Windows1252ToCodePoint(b).value_or(static_cast<char32_t>(b)));
    }
    return out;
}

std::string Utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : DecodeUtf8(utf8)) {
        auto b = CodePointToWindows1252(c);
        out.push_back(b ? static_cast<char>(*b) : '?');
    }
    return out;
}

} // namespace platform
