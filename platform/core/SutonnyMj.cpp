#include "platform/core/SutonnyMj.h"

#include "platform/core/Windows1252.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace platform {
namespace {

constexpr char32_t kVirama = U'\u09CD';
constexpr char32_t kNukta = U'\u09BC';
constexpr char32_t kZwj = U'\u200D';
constexpr char32_t kZwnj = U'\u200C';
constexpr char32_t kRa = U'র';
constexpr char32_t kYa = U'য';
constexpr char32_t kA = U'অ';
constexpr char32_t kAa = U'আ';
constexpr char32_t kAaKar = U'া';
constexpr char32_t kIKar = U'ি';
constexpr char32_t kEKar = U'ে';
constexpr char32_t kAiKar = U'ৈ';
constexpr char32_t kOKar = U'ো';
constexpr char32_t kAuKar = U'ৌ';
constexpr char32_t kAuMark = U'ৗ';
constexpr char32_t kChandrabindu = U'ঁ';
constexpr char32_t kReplacement = 0xFFFD;

// While decoding, the glyphs that stand before their cluster in the bytes are held as these
// private-use stand-ins until they are moved to their place.
constexpr char32_t kPreI = 0xE000;
constexpr char32_t kPreE = 0xE001;
constexpr char32_t kPreAi = 0xE002;
constexpr char32_t kReph = 0xE003;
// The hasanta the font draws as a sign of its own (byte 0x26), which the reading may mark.
constexpr char32_t kVisibleHasanta = 0xE004;

bool IsVirama(char32_t c) {
    return c == kVirama || c == kVisibleHasanta;
}

bool IsConsonant(char32_t c) {
    return (c >= U'ক' && c <= U'ন') || (c >= U'প' && c <= U'র') || c == U'ল' || (c >= U'শ' && c <= U'হ');
}

// Vowel signs written after their consonant, in Unicode and in the font alike.
bool IsPostVowelSign(char32_t c) {
    return c == kAaKar || c == U'ী' || c == U'ু' || c == U'ূ' || c == U'ৃ' || c == kAuMark;
}

bool IsVowelSign(char32_t c) {
    return IsPostVowelSign(c) || c == kIKar || c == kEKar || c == kAiKar || c == kOKar || c == kAuKar;
}

// Letters whose stem ends at the right on the baseline; signs below them take the forms that hang
// from that stem.
bool IsBaselineRight(char32_t c, bool nukta) {
    if (nukta)
        return c == kYa;
    switch (c) {
    case U'খ':
    case U'গ':
    case U'ঘ':
    case U'ণ':
    case U'থ':
    case U'দ':
    case U'ধ':
    case U'ন':
    case U'প':
    case U'ফ':
    case U'ব':
    case U'ম':
    case U'য':
    case U'র':
    case U'ল':
    case U'শ':
    case U'ষ':
    case U'স':
    case U'হ':
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Bytes to Unicode

struct ByteMeaning {
    unsigned char byte;
    std::u32string_view text;
};

// What each byte draws. Bytes 0xE6 and 0xF8 depend on the letter before them and are read in
// DecodeToCodePoints; bytes not listed draw nothing of their own.
constexpr ByteMeaning kByteMeanings[] = {
    {0x20, U" "},      {0x21, U"!"},      {0x22, U"\""},     {0x23, U"#"},      {0x24, U"৳"},
    {0x25, U"%"},      {0x26, U"\uE004"}, {0x27, U"'"},      {0x28, U"("},      {0x29, U")"},
    {0x2A, U"*"},      {0x2B, U"+"},      {0x2C, U","},      {0x2D, U"-"},      {0x2E, U"."},
    {0x2F, U"/"},      {0x30, U"০"},      {0x31, U"১"},      {0x32, U"২"},      {0x33, U"৩"},
    {0x34, U"৪"},      {0x35, U"৫"},      {0x36, U"৬"},      {0x37, U"৭"},      {0x38, U"৮"},
    {0x39, U"৯"},      {0x3A, U":"},      {0x3B, U";"},      {0x3C, U"<"},      {0x3D, U"="},
    {0x3E, U">"},      {0x3F, U"?"},      {0x40, U"@"},      {0x41, U"অ"},      {0x42, U"ই"},
    {0x43, U"ঈ"},      {0x44, U"উ"},      {0x45, U"ঊ"},      {0x46, U"ঋ"},      {0x47, U"এ"},
    {0x48, U"ঐ"},      {0x49, U"ও"},      {0x4A, U"ঔ"},      {0x4B, U"ক"},      {0x4C, U"খ"},
    {0x4D, U"গ"},      {0x4E, U"ঘ"},      {0x4F, U"ঙ"},      {0x50, U"চ"},      {0x51, U"ছ"},
    {0x52, U"জ"},      {0x53, U"ঝ"},      {0x54, U"ঞ"},      {0x55, U"ট"},      {0x56, U"ঠ"},
    {0x57, U"ড"},      {0x58, U"ঢ"},      {0x59, U"ণ"},      {0x5A, U"ত"},      {0x5B, U"["},
    {0x5C, U"॥"},      {0x5D, U"]"},      {0x5E, U"্ব"},      {0x5F, U"থ"},      {0x60, U"দ"},
    {0x61, U"ধ"},      {0x62, U"ন"},      {0x63, U"প"},      {0x64, U"ফ"},      {0x65, U"ব"},
    {0x66, U"ভ"},      {0x67, U"ম"},      {0x68, U"য"},      {0x69, U"র"},      {0x6A, U"ল"},
    {0x6B, U"শ"},      {0x6C, U"ষ"},      {0x6D, U"স"},      {0x6E, U"হ"},      {0x6F, U"ড়"},
    {0x70, U"ঢ়"},      {0x71, U"য়"},      {0x72, U"ৎ"},      {0x73, U"ং"},      {0x74, U"ঃ"},
    {0x75, U"ঁ"},       {0x76, U"া"},      {0x77, U"\uE000"}, {0x78, U"ী"},      {0x79, U"ু"},
    {0x7A, U"ু"},       {0x7B, U"{"},      {0x7C, U"।"},      {0x7D, U"}"},      {0x7E, U"ূ"},
    {0x82, U"ূ"},       {0x83, U"ূ"},       {0x84, U"ৃ"},       {0x85, U"ৃ"},       {0x86, U"\uE001"},
    {0x87, U"\uE001"}, {0x88, U"\uE002"}, {0x89, U"\uE002"}, {0x8A, U"ৗ"},      {0x8B, U"্ক"},
    {0x8C, U"্ক্র"},     {0x91, U"্তু"},      {0x92, U"্থ"},      {0x93, U"ু"},       {0x94, U"চ্"},
    {0x95, U"ঙ্"},      {0x96, U"ু"},       {0x97, U"্ত"},      {0x98, U"দ্"},      {0x99, U"দ্"},
    {0x9A, U"ন্"},      {0x9B, U"ন্"},      {0x9C, U"্ন"},      {0x9F, U"্ব"},      {0xA0, U"\u00A0"},
    {0xA1, U"্ব"},      {0xA2, U"্ভ"},      {0xA3, U"্ভ্র"},     {0xA4, U"ম্"},      {0xA5, U"্ম"},
    {0xA6, U"্ব"},      {0xA7, U"্ম"},      {0xA8, U"্য"},      {0xA9, U"\uE003"}, {0xAA, U"্র"},
    {0xAB, U"্র"},      {0xAC, U"্ল"},      {0xAD, U"্ল"},      {0xAE, U"ষ্"},      {0xAF, U"স্"},
    {0xB0, U"ক্ক"},     {0xB1, U"ক্ট"},     {0xB2, U"ক্ষ্ম"},    {0xB3, U"ক্ত"},     {0xB4, U"ক্ম"},
    {0xB5, U"ক্র"},     {0xB6, U"ক্ষ"},     {0xB7, U"ক্স"},     {0xB8, U"গু"},      {0xB9, U"গ্গ"},
    {0xBA, U"গ্দ"},     {0xBB, U"গ্ধ"},     {0xBC, U"ঙ্ক"},     {0xBD, U"ঙ্গ"},     {0xBE, U"জ্জ"},
    {0xBF, U"্ত্র"},     {0xC0, U"জ্ঝ"},     {0xC1, U"জ্ঞ"},     {0xC2, U"ঞ্চ"},     {0xC3, U"ঞ্ছ"},
    {0xC4, U"ঞ্জ"},     {0xC5, U"ঞ্ঝ"},     {0xC6, U"ট্ট"},     {0xC7, U"ড্ড"},     {0xC8, U"ণ্ট"},
    {0xC9, U"ণ্ঠ"},     {0xCA, U"ণ্ড"},     {0xCB, U"ত্ত"},     {0xCC, U"ত্থ"},     {0xCD, U"্ত"},
    {0xCE, U"ত্র"},     {0xCF, U"দ্দ"},     {0xD0, U"–"},      {0xD1, U"—"},      {0xD2, U"“"},
    {0xD3, U"”"},      {0xD4, U"‘"},      {0xD5, U"’"},      {0xD6, U"্র"},      {0xD7, U"দ্ধ"},
    {0xD8, U"দ্ব"},     {0xD9, U"দ্ম"},     {0xDA, U"ন্ঠ"},     {0xDB, U"ন্ড"},     {0xDC, U"ন্ধ"},
    {0xDD, U"ন্স"},     {0xDE, U"প্ট"},     {0xDF, U"প্ত"},     {0xE0, U"প্প"},     {0xE1, U"প্স"},
    {0xE2, U"ব্জ"},     {0xE3, U"ব্দ"},     {0xE4, U"ব্ধ"},     {0xE5, U"ভ্র"},     {0xE7, U"ম্ফ"},
    {0xE8, U"্ণ"},      {0xE9, U"ল্ক"},     {0xEA, U"ল্গ"},     {0xEB, U"ল্ট"},     {0xEC, U"ল্ড"},
    {0xED, U"ল্প"},     {0xEE, U"ল্ফ"},     {0xEF, U"শু"},      {0xF0, U"শ্চ"},     {0xF1, U"শ্ছ"},
    {0xF2, U"ষ্ণ"},     {0xF3, U"ষ্ট"},     {0xF4, U"ষ্ঠ"},     {0xF5, U"ষ্ফ"},     {0xF6, U"স্খ"},
    {0xF7, U"স্ট"},     {0xF9, U"স্ফ"},     {0xFA, U"্প"},      {0xFB, U"হু"},      {0xFC, U"হৃ"},
    {0xFD, U"হ্ন"},     {0xFE, U"হ্ম"},     {0xFF, U"ক্ষ"},
};

const std::array<std::u32string_view, 256>& ByteTexts() {
    static const std::array<std::u32string_view, 256> texts = [] {
        std::array<std::u32string_view, 256> t{};
        for (const ByteMeaning& m : kByteMeanings)
            t[m.byte] = m.text;
        return t;
    }();
    return texts;
}

bool IsConsonantAt(const std::u32string& s, std::size_t i) {
    return i < s.size() && IsConsonant(s[i]);
}

// The end of the consonant (with its nukta) that starts at i, or 0 when none starts there.
std::size_t ConsonantEnd(const std::u32string& s, std::size_t i) {
    if (!IsConsonantAt(s, i))
        return 0;
    return (i + 1 < s.size() && s[i + 1] == kNukta) ? i + 2 : i + 1;
}

// The end of the cluster C (virama C)* that starts at i, or 0 when no consonant starts there.
std::size_t ClusterEnd(const std::u32string& s, std::size_t i) {
    std::size_t end = ConsonantEnd(s, i);
    while (end != 0) {
        std::size_t j = end;
        if (j + 1 < s.size() && s[j] == kZwj && IsVirama(s[j + 1]))
            j += 2;
        else if (j < s.size() && IsVirama(s[j]))
            j += 1;
        else
            break;
        std::size_t next = ConsonantEnd(s, j);
        if (next == 0)
            break;
        end = next;
    }
    return end;
}

// The start of the consonant (with its nukta) that ends just before end, if there is one.
std::optional<std::size_t> ConsonantStartBefore(const std::u32string& s, std::size_t end) {
    if (end >= 1 && IsConsonant(s[end - 1]))
        return end - 1;
    if (end >= 2 && s[end - 1] == kNukta && IsConsonant(s[end - 2]))
        return end - 2;
    return std::nullopt;
}

// The start of the cluster that ends just before end, if there is one.
std::optional<std::size_t> ClusterStartBefore(const std::u32string& s, std::size_t end) {
    auto start = ConsonantStartBefore(s, end);
    while (start) {
        std::size_t k = *start;
        if (k < 1 || !IsVirama(s[k - 1]))
            break;
        std::size_t before = k - 1;
        if (before >= 1 && s[before - 1] == kZwj)
            --before;
        auto previous = ConsonantStartBefore(s, before);
        if (!previous)
            break;
        start = previous;
    }
    return start;
}

std::u32string DecodeToCodePoints(std::string_view bytes, SutonnyMjReading reading) {
    const auto& texts = ByteTexts();
    std::u32string s;
    s.reserve(bytes.size() * 2);
    unsigned char previousByte = 0;
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b == 0xE6) {
            // The hook of ru in this font; older copies drew the ligature mn here. A reph may
            // stand between ra-phala and the hook.
            std::size_t end = s.size();
            if (end > 0 && s[end - 1] == kReph)
                --end;
            s += (end > 0 && s[end - 1] == kRa) ? std::u32string_view(U"ু") : std::u32string_view(U"ম্ন");
        } else if (b == 0xF8) {
            // La-phala in this font; older copies drew the ligature sn here.
            bool afterLetter = false;
            if (!s.empty() && IsConsonant(s.back()))
                afterLetter = IsBaselineRight(s.back(), false);
            else if (s.size() >= 2 && s.back() == kNukta)
                afterLetter = IsBaselineRight(s[s.size() - 2], true);
            s += afterLetter ? std::u32string_view(U"্ল") : std::u32string_view(U"স্ন");
        } else if (b == 0xA8 && previousByte == 0x69) {
            // Ra followed by ya-phala is the ra that keeps its shape, not a reph.
            s += U"\u200D্য";
        } else if (!texts[b].empty()) {
            s += texts[b];
        } else {
            s += kReplacement;
        }
        previousByte = b;
    }

    // A half form followed by a second part gives one virama; a followed by aa-kar is aa.
    std::u32string t;
    t.reserve(s.size());
    for (char32_t c : s) {
        if (IsVirama(c) && !t.empty() && IsVirama(t.back())) {
            if (c == kVisibleHasanta)
                t.back() = c;
            continue;
        }
        if (c == kAaKar && !t.empty() && t.back() == kA) {
            t.back() = kAa;
            continue;
        }
        t.push_back(c);
    }
    s = std::move(t);

    // Chandrabindu typed before a vowel sign belongs after it.
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] == kChandrabindu && IsPostVowelSign(s[i + 1]))
            std::swap(s[i], s[i + 1]);
    }

    // A reph follows the cluster it stands on (sometimes that cluster's vowel sign too).
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != kReph)
            continue;
        std::size_t end = i;
        while (end > 0 && (IsPostVowelSign(s[end - 1]) || s[end - 1] == kChandrabindu))
            --end;
        auto start = ClusterStartBefore(s, end);
        if (!start) {
            s.replace(i, 1, U"র্");
            ++i;
            continue;
        }
        s.erase(i, 1);
        s.insert(*start, U"র্");
        i += 1;
    }

    // Pre-base vowel signs stand before their cluster.
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t sign;
        if (s[i] == kPreI)
            sign = kIKar;
        else if (s[i] == kPreE)
            sign = kEKar;
        else if (s[i] == kPreAi)
            sign = kAiKar;
        else
            continue;
        std::size_t end = ClusterEnd(s, i + 1);
        if (end == 0) {
            s[i] = sign;
            continue;
        }
        s.erase(i, 1);
        std::size_t at = end - 1;
        if (sign == kEKar && at < s.size() && s[at] == kAaKar) {
            s[at] = kOKar;
        } else if (sign == kEKar && at < s.size() && s[at] == kAuMark) {
            s[at] = kAuKar;
        } else {
            s.insert(at, 1, sign);
        }
        i = at;
    }

    std::u32string out;
    out.reserve(s.size());
    for (char32_t c : s) {
        if (c != kVisibleHasanta) {
            out.push_back(c);
            continue;
        }
        out.push_back(kVirama);
        if (reading == SutonnyMjReading::AsDrawn)
            out.push_back(kZwnj);
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Unicode to bytes

struct Item {
    char32_t c;
    std::size_t offset; // byte offset in the caller's UTF-8 text
};

[[noreturn]] void Fail(char32_t c, std::size_t offset, std::string_view why) {
    char name[64];
    std::snprintf(name, sizeof name, "U+%04X at byte offset %zu", static_cast<unsigned>(c), offset);
    throw SutonnyMjEncodeError(std::string(name) + ": " + std::string(why));
}

std::vector<Item> DecodeUtf8WithOffsets(std::string_view text) {
    std::vector<Item> items;
    std::size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = b < 0x80             ? 1
                             : (b & 0xE0) == 0xC0 ? 2
                             : (b & 0xF0) == 0xE0 ? 3
                             : (b & 0xF8) == 0xF0 ? 4
                                                  : 0;
        char32_t c = length == 1 ? b : length == 2 ? (b & 0x1Fu) : length == 3 ? (b & 0x0Fu) : (b & 0x07u);
        bool ok = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; ok && k < length; ++k) {
            auto cb = static_cast<unsigned char>(text[i + k]);
            ok = (cb & 0xC0) == 0x80;
            c = (c << 6) | (cb & 0x3Fu);
        }
        constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!ok || c < kMinimum[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            Fail(kReplacement, i, "the text is not valid UTF-8");
        items.push_back({c, i});
        i += length;
    }
    return items;
}

// One spelling for each text: nukta letters as letter + nukta, o-kar and au-kar composed.
std::vector<Item> Canonical(const std::vector<Item>& in) {
    std::vector<Item> out;
    out.reserve(in.size() + 4);
    for (std::size_t i = 0; i < in.size(); ++i) {
        const Item& it = in[i];
        switch (it.c) {
        case U'\u09DC':
            out.push_back({U'ড', it.offset});
            out.push_back({kNukta, it.offset});
            continue;
        case U'\u09DD':
            out.push_back({U'ঢ', it.offset});
            out.push_back({kNukta, it.offset});
            continue;
        case U'\u09DF':
            out.push_back({kYa, it.offset});
            out.push_back({kNukta, it.offset});
            continue;
        default:
            break;
        }
        if (it.c == kEKar && i + 1 < in.size() && (in[i + 1].c == kAaKar || in[i + 1].c == kAuMark)) {
            out.push_back({in[i + 1].c == kAaKar ? kOKar : kAuKar, it.offset});
            ++i;
            continue;
        }
        out.push_back(it);
    }
    return out;
}

std::string_view ConsonantByte(char32_t c, bool nukta) {
    if (nukta) {
        switch (c) {
        case U'ড':
            return "o";
        case U'ঢ':
            return "p";
        case U'য':
            return "q";
        default:
            return {};
        }
    }
    switch (c) {
    case U'ক':
        return "K";
    case U'খ':
        return "L";
    case U'গ':
        return "M";
    case U'ঘ':
        return "N";
    case U'ঙ':
        return "O";
    case U'চ':
        return "P";
    case U'ছ':
        return "Q";
    case U'জ':
        return "R";
    case U'ঝ':
        return "S";
    case U'ঞ':
        return "T";
    case U'ট':
        return "U";
    case U'ঠ':
        return "V";
    case U'ড':
        return "W";
    case U'ঢ':
        return "X";
    case U'ণ':
        return "Y";
    case U'ত':
        return "Z";
    case U'থ':
        return "_";
    case U'দ':
        return "`";
    case U'ধ':
        return "a";
    case U'ন':
        return "b";
    case U'প':
        return "c";
    case U'ফ':
        return "d";
    case U'ব':
        return "e";
    case U'ভ':
        return "f";
    case U'ম':
        return "g";
    case U'য':
        return "h";
    case U'র':
        return "i";
    case U'ল':
        return "j";
    case U'শ':
        return "k";
    case U'ষ':
        return "l";
    case U'স':
        return "m";
    case U'হ':
        return "n";
    default:
        return {};
    }
}

// Letters, digits, signs and punctuation that are drawn by bytes of their own.
std::string_view SimpleBytes(char32_t c) {
    static constexpr std::string_view kPlain = " !\"#%'()*+,-./:;<=>?[]{}";
    if (c < 0x80) {
        if (kPlain.find(static_cast<char>(c)) != std::string_view::npos)
            return kPlain.substr(kPlain.find(static_cast<char>(c)), 1);
        return {};
    }
    if (c >= U'০' && c <= U'৯') {
        static constexpr std::string_view kDigits = "0123456789";
        return kDigits.substr(c - U'০', 1);
    }
    switch (c) {
    case U'অ':
        return "A";
    case U'আ':
        return "Av";
    case U'ই':
        return "B";
    case U'ঈ':
        return "C";
    case U'উ':
        return "D";
    case U'ঊ':
        return "E";
    case U'ঋ':
        return "F";
    case U'এ':
        return "G";
    case U'ঐ':
        return "H";
    case U'ও':
        return "I";
    case U'ঔ':
        return "J";
    case U'ৎ':
        return "r";
    case U'ং':
        return "s";
    case U'ঃ':
        return "t";
    case U'ঁ':
        return "u";
    case U'।':
        return "|";
    case U'॥':
        return "\\";
    case U'৳':
        return "$";
    case U'–':
        return "\xD0";
    case U'—':
        return "\xD1";
    case U'“':
        return "\xD2";
    case U'”':
        return "\xD3";
    case U'‘':
        return "\xD4";
    case U'’':
        return "\xD5";
    default:
        return {};
    }
}

using Conjunct = detail::SutonnyMjConjunct;

// The conjuncts the font draws as one ligature, as a half form with a second part, or as a
// letter with a vowel sign joined to it. A conjunct not listed here is drawn as its first part
// with a phala (below) or, failing that, with a visible hasanta between its letters.
constexpr Conjunct kConjuncts[] = {
    {U"ক্ক", "\xB0"},
    {U"ক্ট", "\xB1"},
    {U"ক্ষ্ম", "\xB2"},
    {U"ক্ত", "\xB3"},
    {U"ক্ম", "\xB4"},
    {U"ক্র", "\xB5"},
    {U"ক্ষ", "\xB6"},
    {U"ক্স", "\xB7"},
    {U"গু", "\xB8"},
    {U"গ্গ", "\xB9"},
    {U"গ্দ", "\xBA"},
    {U"গ্ধ", "\xBB"},
    {U"ঙ্ক", "\xBC"},
    {U"ঙ্গ", "\xBD"},
    {U"জ্জ", "\xBE"},
    {U"জ্ঝ", "\xC0"},
    {U"জ্ঞ", "\xC1"},
    {U"ঞ্চ", "\xC2"},
    {U"ঞ্ছ", "\xC3"},
    {U"ঞ্জ", "\xC4"},
    {U"ঞ্ঝ", "\xC5"},
    {U"ট্ট", "\xC6"},
    {U"ড্ড", "\xC7"},
    {U"ণ্ট", "\xC8"},
    {U"ণ্ঠ", "\xC9"},
    {U"ণ্ড", "\xCA"},
    {U"ত্ত", "\xCB"},
    {U"ত্থ", "\xCC"},
    {U"ত্র", "\xCE"},
    {U"দ্দ", "\xCF"},
    {U"দ্ধ", "\xD7"},
    {U"দ্ব", "\xD8"},
    {U"দ্ম", "\xD9"},
    {U"ন্ঠ", "\xDA"},
    {U"ন্ড", "\xDB"},
    {U"ন্ধ", "\xDC"},
    {U"ন্স", "\xDD"},
    {U"প্ট", "\xDE"},
    {U"প্ত", "\xDF"},
    {U"প্প", "\xE0"},
    {U"প্স", "\xE1"},
    {U"ব্জ", "\xE2"},
    {U"ব্দ", "\xE3"},
    {U"ব্ধ", "\xE4"},
    {U"ভ্র", "\xE5"},
    {U"ম্ফ", "\xE7"},
    {U"ল্ক", "\xE9"},
    {U"ল্গ", "\xEA"},
    {U"ল্ট", "\xEB"},
    {U"ল্ড", "\xEC"},
    {U"ল্প", "\xED"},
    {U"ল্ফ", "\xEE"},
    {U"শু", "\xEF"},
    {U"শ্চ", "\xF0"},
    {U"শ্ছ", "\xF1"},
    {U"ষ্ণ", "\xF2"},
    {U"ষ্ট", "\xF3"},
    {U"ষ্ঠ", "\xF4"},
    {U"ষ্ফ", "\xF5"},
    {U"স্খ", "\xF6"},
    {U"স্ট", "\xF7"},
    {U"স্ফ", "\xF9"},
    {U"হু", "\xFB"},
    {U"হৃ", "\xFC"},
    {U"হ্ন", "\xFD"},
    {U"হ্ম", "\xFE"},
    // Half forms with a letter or a second part.
    {U"চ্চ", "\x94\x50"},
    {U"চ্ছ", "\x94\x51"},
    {U"দ্গ", "\x99\x4D"},
    {U"দ্ঘ", "\x99\x4E"},
    {U"দ্ভ", "\x99\xA2"},
    {U"ন্ত", "\x9A\xCD"},
    {U"ন্তু", "\x9A\x91"},
    {U"ন্থ", "\x9A\x92"},
    {U"ন্ব", "\x9A\x5E"},
    {U"ন্ত্র", "\x9A\xBF"},
    {U"ন্ট", "\x9B\x55"},
    {U"ন্দ", "\x9B\x60"},
    {U"ম্প", "\xA4\xFA"},
    {U"ম্ব", "\xA4\x5E"},
    {U"ম্ম", "\xA4\xA7"},
    {U"ম্ভ", "\xA4\xA2"},
    {U"ম্ভ্র", "\xA4\xA3"},
    {U"ষ্ক", "\xAE\x8B"},
    {U"ষ্ক্র", "\xAE\x8C"},
    {U"ষ্প", "\xAE\xFA"},
    {U"ষ্ম", "\xAE\xA7"},
    {U"স্ক", "\xAF\x8B"},
    {U"স্ক্র", "\xAF\x8C"},
    {U"স্ত", "\xAF\xCD"},
    {U"স্তু", "\xAF\x91"},
    {U"স্থ", "\xAF\x92"},
    {U"স্ত্র", "\xAF\xBF"},
    {U"স্ব", "\xAF\x5E"},
    {U"স্প", "\xAF\xFA"},
    {U"স্ম", "\xAF\xA7"},
    // The font's nga half form lies outside the bytes the dictionary may use.
    {U"ঙ্ক্ষ", "\x4F\x26\xB6"},
};

// The second parts that follow any letter or conjunct, by the letter they follow.
std::optional<std::string_view> Phala(char32_t c, char32_t last, bool lastNukta) {
    switch (c) {
    case U'র':
        if (!lastNukta && (last == U'প' || last == U'গ'))
            return "\xD6";
        if (!lastNukta && last == U'ফ')
            return "\xAB";
        return "\xAA";
    case U'য':
        return "\xA8";
    case U'ব':
        if (lastNukta)
            return "\xA1";
        if (last == U'স' || last == U'ষ' || last == U'ম' || last == U'ন' || last == U'দ')
            return "^";
        // The font's own form after dha, ba and ha lies outside the bytes the dictionary may
        // use; the form for the other letters with a right stem stands in for it.
        if (last == U'শ' || last == U'গ' || last == U'প' || last == U'ধ' || last == U'ব' || last == U'হ')
            return "\xA6";
        return "\xA1";
    case U'ম':
        return "\xA5";
    case U'ল':
        // 0xF8 draws the same la-phala as the soft hyphen 0xAD, which text layout may hide.
        return IsBaselineRight(last, lastNukta) ? std::string_view("\xF8") : std::string_view("\xAC");
    case U'ন':
        return "\x9C";
    case U'ণ':
        return "\xE8";
    default:
        return std::nullopt;
    }
}

// A syllable's cluster as drawn: pieces joined by a visible hasanta where the font has no
// conjunct for two letters.
struct DrawnCluster {
    std::vector<std::string> pieces;
    char32_t last = 0; // the last letter drawn, which decides the form of the vowel sign
    bool lastNukta = false;
    bool vowelDrawn = false; // the vowel sign is part of a ligature
};

DrawnCluster DrawCluster(const std::u32string& letters, char32_t postVowel) {
    std::u32string m = letters;
    if (postVowel != 0)
        m.push_back(postVowel);
    DrawnCluster out;
    out.pieces.emplace_back();
    bool atStart = true;
    std::size_t p = 0;
    while (p < letters.size()) {
        if (atStart) {
            const Conjunct* best = nullptr;
            for (const Conjunct& conjunct : kConjuncts) {
                std::size_t n = conjunct.text.size();
                if (best != nullptr && n <= best->text.size())
                    continue;
                if (m.compare(p, n, conjunct.text) != 0 || (p + n < m.size() && m[p + n] == kNukta))
                    continue;
                best = &conjunct;
            }
            if (best != nullptr) {
                // A conjunct drawn with a visible hasanta is as many pieces as the glyphs it
                // separates, so that a vowel sign finds the glyph it is drawn against.
                for (char b : best->bytes) {
                    if (b == '&')
                        out.pieces.emplace_back();
                    else
                        out.pieces.back() += b;
                }
                p += best->text.size();
                for (char32_t c : best->text) {
                    if (IsConsonant(c))
                        out.last = c;
                    else if (IsVowelSign(c))
                        out.vowelDrawn = true;
                }
                out.lastNukta = false;
            } else {
                bool nukta = p + 1 < m.size() && m[p + 1] == kNukta;
                out.pieces.back() += ConsonantByte(m[p], nukta);
                out.last = m[p];
                out.lastNukta = nukta;
                p += nukta ? 2 : 1;
            }
            atStart = false;
            continue;
        }
        // A virama (or zero width joiner and virama) and the next letter.
        std::size_t q = p + (m[p] == kZwj ? 2 : 1);
        bool nukta = q + 1 < m.size() && m[q + 1] == kNukta;
        auto phala = nukta ? std::nullopt : Phala(m[q], out.last, out.lastNukta);
        // Ya-phala right after the letter ra reads as ra + ZWJ + ya-phala; without the joiner
        // the two letters are kept apart by a hasanta.
        if (m[q] == kYa && m[p] != kZwj && !out.pieces.back().empty() && out.pieces.back().back() == 'i')
            phala = std::nullopt;
        if (phala) {
            out.pieces.back() += *phala;
            out.last = m[q];
            out.lastNukta = false;
            p = q + 1;
        } else {
            out.pieces.emplace_back();
            atStart = true;
            p = q;
        }
    }
    return out;
}

// The form of a vowel sign drawn after its cluster.
std::string_view PostVowelBytes(char32_t vowel, char32_t last, bool lastNukta) {
    bool right = IsBaselineRight(last, lastNukta);
    bool ra = last == kRa && !lastNukta;
    switch (vowel) {
    case kAaKar:
        return "v";
    case U'ী':
        return "x";
    case kAuMark:
        return "\x8A";
    case U'ু':
        // 0x93 and 0x96 lie outside the bytes the dictionary may use; 0xE6 draws 0x93's hook.
        if (ra)
            return "\xE6";
        return right ? "y" : "z";
    case U'ূ':
        // Ra takes the form with a right stem; its own 0x83 lies outside the dictionary's bytes.
        return right ? "~" : "\x82";
    case U'ৃ':
        return right ? "\x84" : "\x85";
    default:
        return {};
    }
}

// Whether a byte draws part of a Bengali letter or sign (rather than a blank, a digit or
// punctuation).
bool IsLetterByte(unsigned char b) {
    if (b < 0x40)
        return b == 0x26; // the hasanta
    return b != 0x5B && b != 0x5C && b != 0x5D && b != 0x7B && b != 0x7C && b != 0x7D &&
           !(b >= 0xD0 && b <= 0xD5);
}

class Encoder {
public:
    explicit Encoder(std::vector<Item> items) : items_(std::move(items)) {}

    std::string Run() {
        while (pos_ < items_.size()) {
            char32_t c = At(pos_);
            if (IsConsonant(c)) {
                Syllable();
            } else if ((c == kA || c == U'এ') && At(pos_ + 1) == kVirama && At(pos_ + 2) == kYa &&
                       At(pos_ + 3) != kNukta) {
                // The ya-phala written on a vowel, as in loanwords: অ্যা.
                out_ += SimpleBytes(c);
                out_ += "\xA8";
                pos_ += 3;
                if (At(pos_) == kAaKar) {
                    out_ += "v";
                    ++pos_;
                }
            } else if (auto bytes = SimpleBytes(c); !bytes.empty()) {
                out_ += bytes;
                ++pos_;
            } else if (IsVowelSign(c)) {
                FailAt(pos_, "a vowel sign must follow a consonant");
            } else if (c == kVirama) {
                FailAt(pos_, "a hasanta must follow a consonant");
            } else if (c == kZwj || c == kZwnj) {
                FailAt(pos_, "a zero width joiner is drawn only in ra + ya-phala, a non-joiner never");
            } else if (c == kNukta) {
                FailAt(pos_, "a nukta must follow da, dha or ya");
            } else if (c < 0x80 && c >= 0x20 && c != 0x7F) {
                FailAt(pos_, "the font draws a Bengali glyph for this ASCII code, not the character");
            } else {
                FailAt(pos_, "the font has no glyph for this character");
            }
        }
        return out_;
    }

private:
    char32_t At(std::size_t i) const { return i < items_.size() ? items_[i].c : 0; }

    [[noreturn]] void FailAt(std::size_t i, std::string_view why) const {
        if (i >= items_.size())
            i = items_.size() - 1;
        Fail(items_[i].c, items_[i].offset, why);
    }

    // A pre-base sign: the wide form 0x86 (ai-kar 0x88) at the start of the text and after a
    // blank, digit or punctuation; the tucked form 0x87 (0x89) after any byte of a Bengali letter
    // or sign, whose glyph it may overlap.
    void EmitPreBase(char32_t vowel) {
        bool tucked = !out_.empty() && IsLetterByte(static_cast<unsigned char>(out_.back()));
        if (vowel == kIKar)
            out_ += 'w';
        else if (vowel == kAiKar)
            out_ += tucked ? "\x89" : "\x88";
        else
            out_ += tucked ? "\x87" : "\x86";
    }

    void Syllable() {
        bool reph = At(pos_) == kRa && At(pos_ + 1) == kVirama && IsConsonant(At(pos_ + 2));
        if (reph)
            pos_ += 2;

        std::u32string letters;
        bool hasanta = false;
        while (true) {
            char32_t c = At(pos_);
            letters.push_back(c);
            ++pos_;
            if (At(pos_) == kNukta) {
                if (c != U'ড' && c != U'ঢ' && c != kYa)
                    FailAt(pos_, "a nukta must follow da, dha or ya");
                letters.push_back(kNukta);
                ++pos_;
            }
            if (At(pos_) == kZwj) {
                if (c != kRa || letters.size() != 1 || At(pos_ + 1) != kVirama || At(pos_ + 2) != kYa ||
                    At(pos_ + 3) == kNukta)
                    FailAt(pos_, "a zero width joiner is drawn only in ra + ya-phala");
                letters += U"\u200D্";
                pos_ += 2;
                continue;
            }
            if (At(pos_) != kVirama)
                break;
            if (IsConsonant(At(pos_ + 1))) {
                letters.push_back(kVirama);
                ++pos_;
                continue;
            }
            if (At(pos_ + 1) == kZwnj)
                FailAt(pos_ + 1, "write the conjunct without the zero width non-joiner");
            hasanta = true;
            ++pos_;
            break;
        }

        char32_t vowel = 0;
        if (!hasanta && IsVowelSign(At(pos_))) {
            vowel = At(pos_);
            if (vowel == kAuMark)
                FailAt(pos_, "the au length mark is drawn only in au-kar");
            ++pos_;
        }
        char32_t pre = 0, post = 0;
        if (vowel == kIKar || vowel == kEKar || vowel == kAiKar) {
            pre = vowel;
        } else if (vowel == kOKar) {
            pre = kEKar;
            post = kAaKar;
        } else if (vowel == kAuKar) {
            pre = kEKar;
            post = kAuMark;
        } else {
            post = vowel;
        }

        DrawnCluster drawn = DrawCluster(letters, post);
        // The pre-base sign goes before the glyph it is drawn against: the last piece where the
        // cluster is broken by a hasanta, unless a reph holds the cluster together. Within a
        // piece, a half form and its second part, or a letter and its phala, take it in front.
        std::size_t preBefore = (pre != 0 && !reph) ? drawn.pieces.size() - 1 : 0;
        for (std::size_t k = 0; k < drawn.pieces.size(); ++k) {
            if (k > 0)
                out_ += '&';
            if (pre != 0 && k == preBefore)
                EmitPreBase(pre);
            out_ += drawn.pieces[k];
        }
        if (reph)
            out_ += "\xA9";
        if (hasanta)
            out_ += '&';
        if (post != 0 && !drawn.vowelDrawn)
            out_ += PostVowelBytes(post, drawn.last, drawn.lastNukta);
    }

    std::vector<Item> items_;
    std::size_t pos_ = 0;
    std::string out_;
};

} // namespace

std::string EncodeSutonnyMj(std::string_view unicodeBengali) {
    std::vector<Item> items = Canonical(DecodeUtf8WithOffsets(unicodeBengali));
    std::string bytes = Encoder(items).Run();

    // Every text is read back, so that what the font shows is what was written.
    std::u32string back = DecodeToCodePoints(bytes, SutonnyMjReading::Logical);
    std::size_t k = 0;
    while (k < items.size() && k < back.size() && items[k].c == back[k])
        ++k;
    if (k < items.size() || k < back.size()) {
        const Item& at = items[k < items.size() ? k : items.size() - 1];
        Fail(at.c, at.offset, "the font's glyphs for this syllable would not read back as written");
    }
    return bytes;
}

std::span<const detail::SutonnyMjConjunct> detail::SutonnyMjConjuncts() {
    return kConjuncts;
}

std::string DecodeSutonnyMj(std::string_view fontBytes, SutonnyMjReading reading) {
    std::u32string text = DecodeToCodePoints(fontBytes, reading);
    std::string out;
    out.reserve(text.size() * 3);
    for (char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

} // namespace platform
