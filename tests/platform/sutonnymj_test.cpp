#include "platform/core/SutonnyMj.h"
#include "platform/core/Windows1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using platform::DecodeSutonnyMj;
using platform::EncodeSutonnyMj;
using platform::SutonnyMjEncodeError;

std::string FromHex(std::string_view hex) {
    std::string out;
    for (std::size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        out.push_back(static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
        i += 2;
    }
    return out;
}

std::string ToHex(std::string_view bytes) {
    std::string out;
    char buf[4];
    for (char ch : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned>(static_cast<unsigned char>(ch)));
        if (!out.empty())
            out += ' ';
        out += buf;
    }
    return out;
}

std::string EncodeOrError(std::string_view text) {
    try {
        return EncodeSutonnyMj(text);
    } catch (const SutonnyMjEncodeError& e) {
        return std::string("error: ") + e.what();
    }
}

const std::string kVectorText = "প্রতি সেকেন্ডে এক মিলিয়ন সাইকেল।";
const std::string kVectorBytes =
    FromHex("63 D6 77 5A 20 86 6D 87 4B 87 DB 20 47 4B 20 77 67 77 6A 71 62 20 6D 76 42 87 4B 6A 7C");

TEST(SutonnyMjTest, MegahertzRowDecodesToItsText) {
    EXPECT_EQ(DecodeSutonnyMj(kVectorBytes), kVectorText);
}

TEST(SutonnyMjTest, MegahertzTextEncodesToTheRowsBytes) {
    EXPECT_EQ(ToHex(EncodeOrError(kVectorText)), ToHex(kVectorBytes));
}

struct Case {
    const char* what;
    const char* text; // canonical Unicode: what the decoder gives back
    const char* bytes;
};

const Case kCases[] = {
    {"i-kar before its consonant", "কি", "77 4B"},
    {"i-kar before a conjunct", "শিল্প", "77 6B ED"},
    {"wide e-kar at the start of the text", "কে", "86 4B"},
    {"tucked e-kar after a letter", "একে", "47 87 4B"},
    {"tucked e-kar after a vowel letter", "ইকে", "42 87 4B"},
    {"wide e-kar after punctuation", "(কে)", "28 86 4B 29"},
    {"wide e-kar after a hyphen", "ই-মেইল", "42 2D 86 67 42 6A"},
    {"wide e-kar after a digit", "১কে", "31 86 4B"},
    {"e-kar before a conjunct", "সিস্টেম", "77 6D 87 F7 67"},
    {"ai-kar, wide and tucked", "কৈকৈ", "88 4B 89 4B"},
    {"o-kar split around its consonant", "সোনা", "86 6D 76 62 76"},
    {"o-kar split around a conjunct", "প্রোগ্রাম", "86 63 D6 76 4D D6 76 67"},
    {"au-kar split around its consonant", "কৌশল", "86 4B 8A 6B 6A"},
    {"reph after its consonant, before the vowel sign", "কর্মী", "4B 67 A9 78"},
    {"reph inside a split pre-base sign", "কর্মে", "4B 87 67 A9"},
    {"reph with o-kar", "পোর্টে", "86 63 76 87 55 A9"},
    {"reph on ya", "কার্য", "4B 76 68 A9"},
    {"reph with i-kar", "সার্কিট", "6D 76 77 4B A9 55"},
    {"reph with a hasanta", "র্ক্", "4B A9 26"},
    {"ra-phala after pa", "প্রতি", "63 D6 77 5A"},
    {"ra-phala after pha", "ফ্রেম", "86 64 AB 67"},
    {"ra-phala elsewhere", "ট্রানজিস্টর", "55 AA 76 62 77 52 F7 69"},
    {"ra-phala after a conjunct", "কেন্দ্রীয়", "86 4B 9B 60 AA 78 71"},
    {"ligature of ka and ra-phala", "প্রক্রিয়া", "63 D6 77 B5 71 76"},
    {"ya-phala", "ব্যবহার", "65 A8 65 6E 76 69"},
    {"ya-phala after ya with nukta", "সফ্টওয়্যার", "6D 64 26 55 49 71 A8 76 69"},
    {"ra with ya-phala keeps its shape", "র\u200D্যাম", "69 A8 76 67"},
    {"ya-phala on a vowel letter", "অ্যাডাপ্টার", "41 A8 76 57 76 DE 76 69"},
    {"ka-ssa", "পরীক্ষা", "63 69 78 B6 76"},
    {"ka-ssa-ma", "লক্ষ্মী", "6A B2 78"},
    {"na-ta", "অন্ত", "41 9A CD"},
    {"na-ta with u-kar", "কিন্তু", "77 4B 9A 91"},
    {"na-ta-ra", "যন্ত্রাংশ", "68 9A BF 76 73 6B"},
    {"na-da", "সেন্ডে", "86 6D 87 DB"},
    {"na-tta", "ইন্টারফেস", "42 9B 55 76 69 87 64 6D"},
    {"sa-tta", "স্টোর", "86 F7 76 69"},
    {"sa-ka", "ডিস্ক", "77 57 AF 8B"},
    {"sa-ka-ra", "স্ক্রিন", "77 AF 8C 62"},
    {"sa-tha", "স্থান", "AF 92 76 62"},
    {"sa-ma with ri-kar", "স্মৃতি", "AF A7 84 77 5A"},
    {"ma-pa", "কম্পিউটার", "4B 77 A4 FA 44 55 76 69"},
    {"la-pa", "অল্প", "41 ED"},
    {"ta-ra with u-kar", "ত্রুটি", "CE E6 77 55"},
    {"ja-nya", "জ্ঞান", "C1 76 62"},
    {"nga-ga", "সঙ্গে", "6D 87 BD"},
    {"da-ba", "দ্বারা", "D8 76 69 76"},
    {"ba-phala after sa", "স্বয়ং", "AF 5E 71 73"},
    {"ba-phala after sha", "বিশ্ব", "77 65 6B A6"},
    {"ba-phala after ha", "আহ্বান", "41 76 6E A6 76 62"},
    {"ba-phala elsewhere", "তত্ত্ব", "5A CB A1"},
    {"la-phala after a letter with a right stem", "ব্লক", "65 F8 4B"},
    {"la-phala elsewhere", "ক্লিক", "77 4B AC 4B"},
    {"na-phala", "যত্ন", "68 5A 9C"},
    {"ma-phala", "আত্মা", "41 76 5A A5 76"},
    {"nga half form without its glyph", "আকাঙ্ক্ষা", "41 76 4B 76 4F 26 B6 76"},
    {"hasanta between letters without a conjunct", "সঙ্খ্যা", "6D 4F 26 4C A8 76"},
    {"pre-base sign after the hasanta", "ফ্টি", "64 26 77 55"},
    {"hasanta at the end of a word", "ক্ কি", "4B 26 20 77 4B"},
    {"khanda ta", "উৎস", "44 72 6D"},
    {"chandrabindu after the vowel sign", "চাঁদ", "50 76 75 60"},
    {"chandrabindu with a pre-base sign", "চিঁ", "77 50 75"},
    {"chandrabindu on a vowel letter", "আঁকা", "41 76 75 4B 76"},
    {"anusvara", "বাংলা", "65 76 73 6A 76"},
    {"visarga", "দুঃখ", "60 79 74 4C"},
    {"u-kar after a letter without a right stem", "কুল", "4B 7A 6A"},
    {"u-kar after a letter with a right stem", "দুই", "60 79 42"},
    {"u-kar after ra", "রুপি", "69 E6 77 63"},
    {"u-kar after ra-phala", "গ্রুপ", "4D D6 E6 63"},
    {"u-kar after da with nukta", "পড়ুন", "63 6F 7A 62"},
    {"u-kar ligatures", "গুণ শুধু হুক", "B8 59 20 EF 61 79 20 FB 4B"},
    {"uu-kar", "কূপ মূল রূপ", "4B 82 63 20 67 7E 6A 20 69 7E 63"},
    {"ri-kar", "কৃষি মৃত হৃদয়", "4B 85 77 6C 20 67 84 5A 20 FC 60 71"},
    {"independent vowels", "অ আ ই ঈ উ ঊ ঋ এ ঐ ও ঔ",
     "41 20 41 76 20 42 20 43 20 44 20 45 20 46 20 47 20 48 20 49 20 4A"},
    {"digits", "০১২৩৪৫৬৭৮৯", "30 31 32 33 34 35 36 37 38 39"},
    {"dari and double dari", "কর। কর॥", "4B 69 7C 20 4B 69 5C"},
    {"taka sign", "৳১০", "24 31 30"},
    {"typographic quotes and dashes", "“ক” ‘খ’ – —", "D2 4B D3 20 D4 4C D5 20 D0 20 D1"},
    {"blank runs, leading and trailing blanks kept", " ক   খ  ", "20 4B 20 20 20 4C 20 20"},
    {"plain punctuation", "(ক-খ), ক/খ. ক: খ; ক? খ! \"ক\" 'খ' [ক] {খ} #%*+<=>",
     "28 4B 2D 4C 29 2C 20 4B 2F 4C 2E 20 4B 3A 20 4C 3B 20 4B 3F 20 4C 21 20 22 4B 22 20 27 4C 27 20 5B 4B "
     "5D 20 7B 4C 7D 20 23 25 2A 2B 3C 3D 3E"},
};

TEST(SutonnyMjTest, EncodesEachRule) {
    for (const Case& c : kCases)
        EXPECT_EQ(ToHex(EncodeOrError(c.text)), c.bytes) << c.what << ": " << c.text;
}

TEST(SutonnyMjTest, DecodesEachRuleBack) {
    for (const Case& c : kCases)
        EXPECT_EQ(DecodeSutonnyMj(FromHex(c.bytes)), c.text) << c.what << ": " << c.bytes;
}

TEST(SutonnyMjTest, ReadsTheVisibleHasantaAsDrawn) {
    // Read as drawn, the visible hasanta is followed by a zero width non-joiner, so that a Unicode
    // font shows it as this font does and does not join the letters around it.
    const Case kDrawn[] = {
        {"a vowel sign after the hasanta", "কাঙ্\u200Cক্ষিত", "4B 76 4F 26 77 B6 5A"},
        {"between letters without a conjunct", "সঙ্\u200Cখ্যা", "6D 4F 26 4C A8 76"},
        {"the pre-base sign of the second letter", "ফ্\u200Cটি", "64 26 77 55"},
        {"at the end of a word", "ক্\u200C কি", "4B 26 20 77 4B"},
        {"under a reph", "র্ক্\u200C", "4B A9 26"},
        {"after a half form", "ন্\u200C", "9A 26"},
        {"no hasanta: as the logical reading", "প্রতি সেকেন্ডে", "63 D6 77 5A 20 86 6D 87 4B 87 DB"},
    };
    for (const Case& c : kDrawn) {
        EXPECT_EQ(DecodeSutonnyMj(FromHex(c.bytes), platform::SutonnyMjReading::AsDrawn), c.text)
            << c.what << ": " << c.bytes;
        std::string logical = c.text;
        for (std::size_t at; (at = logical.find("\u200C")) != std::string::npos;)
            logical.erase(at, std::string_view("\u200C").size());
        EXPECT_EQ(DecodeSutonnyMj(FromHex(c.bytes)), logical) << c.what << ": " << c.bytes;
    }
}

// Where a pre-base vowel sign stands in the bytes of a conjunct drawn as more than one glyph,
// marked "|": before a half form with its second part, or before a letter with its phala, the sign
// stands before the whole; where a visible hasanta breaks the conjunct, before the glyph after it.
struct DrawnConjunct {
    std::string text;
    std::string glyphs;
};

std::vector<DrawnConjunct> DrawnConjuncts() {
    std::vector<DrawnConjunct> drawn;
    // The encoder's own list, where it holds more than one glyph and no vowel sign of its own.
    for (const platform::detail::SutonnyMjConjunct& c : platform::detail::SutonnyMjConjuncts()) {
        const char32_t last = c.text.back();
        if (c.bytes.size() < 2 || (last >= U'\u09BE' && last <= U'\u09CC'))
            continue;
        const std::size_t hasanta = c.bytes.rfind('&');
        const std::size_t at = hasanta == std::string_view::npos ? 0 : hasanta + 1;
        const std::string before = ToHex(c.bytes.substr(0, at)), after = ToHex(c.bytes.substr(at));
        drawn.push_back(
            {platform::EncodeUtf8(c.text), before.empty() ? "| " + after : before + " | " + after});
    }
    // Conjuncts put together from a letter and a phala, or around a visible hasanta.
    const DrawnConjunct kBuilt[] = {
        {"প্র", "| 63 D6"}, {"ফ্র", "| 64 AB"},    {"ট্র", "| 55 AA"},    {"ব্য", "| 65 A8"},  {"ক্ব", "| 4B A1"},
        {"শ্ব", "| 6B A6"}, {"ত্ম", "| 5A A5"},    {"ক্ল", "| 4B AC"},    {"ব্ল", "| 65 F8"},  {"গ্ন", "| 4D 9C"},
        {"হ্ণ", "| 6E E8"}, {"ঙ্খ", "4F 26 | 4C"}, {"ফ্ট", "64 26 | 55"}, {"ক্ষ্য", "| B6 A8"},
    };
    drawn.insert(drawn.end(), std::begin(kBuilt), std::end(kBuilt));
    return drawn;
}

TEST(SutonnyMjTest, PreBaseSignsStandBeforeTheGlyphThatCarriesThem) {
    struct PreBase {
        const char* sign;
        const char* before; // the byte that stands at "|"
        const char* after;  // the bytes after the conjunct
    };
    // After a letter, so the e-kar and the ai-kar take their tucked forms.
    const PreBase kSigns[] = {
        {"ি", "77", ""}, {"ে", "87", ""}, {"ৈ", "89", ""}, {"ো", "87", " 76"}, {"ৌ", "87", " 8A"},
    };
    const std::vector<DrawnConjunct> conjuncts = DrawnConjuncts();
    ASSERT_TRUE(std::any_of(conjuncts.begin(), conjuncts.end(), [](const DrawnConjunct& c) {
        return c.glyphs == "4F 26 | B6";
    })) << "ঙ্ক্ষ, drawn with a visible hasanta, is not among the encoder's conjuncts";
    for (const DrawnConjunct& c : conjuncts) {
        for (const PreBase& s : kSigns) {
            const std::string text = "ক" + c.text + s.sign;
            std::string glyphs = c.glyphs;
            glyphs.replace(glyphs.find('|'), 1, s.before);
            const std::string bytes = "4B " + glyphs + s.after;
            EXPECT_EQ(ToHex(EncodeOrError(text)), bytes) << text;
            EXPECT_EQ(DecodeSutonnyMj(FromHex(bytes)), text) << bytes;
        }
    }
}

TEST(SutonnyMjTest, AcceptsOtherSpellingsOfTheSameText) {
    struct Spelling {
        const char* text;
        const char* canonical;
    };
    const Spelling kSpellings[] = {
        {"\u09DC", "ড\u09BC"},       // precomposed rra
        {"\u09DD", "ঢ\u09BC"},       // precomposed rha
        {"\u09DF", "য\u09BC"},       // precomposed yya
        {"স\u09C7\u09BEনা", "সোনা"}, // o-kar in two parts
        {"ক\u09C7\u09D7শল", "কৌশল"}, // au-kar in two parts
    };
    for (const Spelling& s : kSpellings) {
        EXPECT_EQ(EncodeOrError(s.text), EncodeOrError(s.canonical)) << s.text;
        EXPECT_EQ(DecodeSutonnyMj(EncodeSutonnyMj(s.text)), s.canonical) << s.text;
    }
}

TEST(SutonnyMjTest, DecodesOtherGlyphOrders) {
    struct Reading {
        const char* bytes;
        const char* text;
    };
    const Reading kReadings[] = {
        {"86 6D 87 4B 86 4B", "সেকেকে"}, // both e-kar forms, anywhere
        {"4B 67 78 A9", "কর্মী"},         // reph after the vowel sign
        {"4B 75 76", "কাঁ"},              // chandrabindu typed before the vowel sign
        {"87 4B 75 76", "কোঁ"},           // ... and inside a split o-kar
        {"41 76 67 76 69 20 86 6D 76 62 76 69 20 65 76 73 6A 76 87 60 6B", "আমার সোনার বাংলাদেশ"},
        {"41 76 9A CD 52 A9 76 77 5A 4B", "আন্তর্জাতিক"},
        {"6B 76 77 9A CD", "শান্তি"},
        {"44 87 6A AD 4C", "উল্লেখ"}, // la-phala as the soft hyphen
        {"69 E6 77 50", "রুচি"},
        {"69 93 20 69 83 20 57 96", "রু রূ ডু"}, // the forms outside the dictionary's bytes
        {"AF 97 20 98 4D 20 95 4C 20 61 9F", "স্ত দ্গ ঙ্খ ধ্ব"},
        {"FF", "ক্ষ"},
        {"67 E6", "মম্ন"}, // 0xE6 after another letter
    };
    for (const Reading& r : kReadings)
        EXPECT_EQ(DecodeSutonnyMj(FromHex(r.bytes)), r.text) << r.bytes;
}

const std::vector<std::u32string>& Consonants() {
    static const std::vector<std::u32string> consonants = [] {
        std::vector<std::u32string> out;
        for (char32_t c = U'ক'; c <= U'হ'; ++c) {
            if (c == 0x09A9 || c == 0x09B1 || (c >= 0x09B3 && c <= 0x09B5))
                continue;
            out.push_back(std::u32string(1, c));
        }
        out.push_back(U"ড\u09BC");
        out.push_back(U"ঢ\u09BC");
        out.push_back(U"য\u09BC");
        return out;
    }();
    return consonants;
}

const std::u32string kVowelSigns[] = {U"", U"া", U"ি", U"ী", U"ু", U"ূ", U"ৃ", U"ে", U"ৈ", U"ো", U"ৌ"};

// Every conjunct of two letters, with and without a reph, with every vowel sign, after a letter
// and after a blank: the codec must draw each one and read it back.
std::vector<std::string> AllTwoLetterSyllables() {
    std::vector<std::string> texts;
    for (const auto& first : Consonants()) {
        for (const auto& second : Consonants()) {
            for (const auto& vowel : kVowelSigns) {
                for (bool reph : {false, true}) {
                    std::u32string word = U"ক ";
                    if (reph)
                        word += U"র্";
                    word += first + U"্" + second + vowel;
                    word += U" অ" + first + vowel;
                    texts.push_back(platform::EncodeUtf8(word));
                }
            }
        }
    }
    return texts;
}

TEST(SutonnyMjTest, EveryTwoLetterConjunctRoundTrips) {
    int failures = 0;
    for (const std::string& text : AllTwoLetterSyllables()) {
        std::string bytes;
        try {
            bytes = EncodeSutonnyMj(text);
        } catch (const SutonnyMjEncodeError& e) {
            ADD_FAILURE() << text << ": " << e.what();
            if (++failures > 20)
                return;
            continue;
        }
        EXPECT_EQ(DecodeSutonnyMj(bytes), text) << ToHex(bytes);
        EXPECT_EQ(EncodeSutonnyMj(DecodeSutonnyMj(bytes)), bytes) << text;
    }
}

TEST(SutonnyMjTest, EmitsOnlyTheDictionarysBytes) {
    const std::set<int> allowed = {0x82, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x8B,
                                   0x8C, 0x91, 0x92, 0x94, 0x99, 0x9A, 0x9B, 0x9C};
    std::vector<std::string> texts = AllTwoLetterSyllables();
    for (const Case& c : kCases)
        texts.push_back(c.text);
    std::set<int> seen;
    for (const std::string& text : texts) {
        for (char ch : EncodeOrError(text)) {
            int b = static_cast<unsigned char>(ch);
            seen.insert(b);
            EXPECT_TRUE(b >= 0x20 && b != 0x7F) << "byte " << b << " in " << text;
            if (b >= 0x80 && b <= 0x9F) {
                EXPECT_TRUE(allowed.count(b)) << "byte " << b << " in " << text;
            }
        }
    }
    // The cases above reach every one of the allowed codes, so none of them is left untried.
    for (int b : allowed)
        EXPECT_TRUE(seen.count(b)) << "byte " << b << " is never produced";
}

TEST(SutonnyMjTest, NamesTheCharacterItCannotEncode) {
    struct Bad {
        const char* text;
        const char* name;
    };
    const Bad kBad[] = {
        {"Q", "U+0051 at byte offset 0"}, // a Latin letter: the font draws ছ there
        {"কখ Q", "U+0051 at byte offset 7"},     {"ক1", "U+0031 at byte offset 3"}, // an ASCII digit
        {"ক\u0915", "U+0915 at byte offset 3"},                                     // a Devanagari letter
        {"ি", "U+09BF at byte offset 0"},        // a vowel sign without its consonant
        {"কাি", "U+09BF at byte offset 6"},      // two vowel signs
        {"কঁা", "U+09BE at byte offset 6"},       // a vowel sign after chandrabindu
        {"ক্\u200Cষ", "U+200C at byte offset 6"}, // a zero width non-joiner
        {"ক\u09BC", "U+09BC at byte offset 3"},  // a nukta on a letter the font has no form for
        {"ক\tখ", "U+0009 at byte offset 3"},     // a control code
        {"ক@", "U+0040 at byte offset 3"},       // the font draws an ornament for @
        {"\xE0\xA6", "U+FFFD at byte offset 0"}, // malformed UTF-8
        {"ক\u00A0খ", "U+00A0 at byte offset 3"}, // no-break space
        {"ক্য\u09D7", "U+09D7 at byte offset 9"}, // an au length mark alone
    };
    for (const Bad& bad : kBad) {
        try {
            std::string bytes = EncodeSutonnyMj(bad.text);
            ADD_FAILURE() << bad.text << " was encoded as " << ToHex(bytes);
        } catch (const SutonnyMjEncodeError& e) {
            EXPECT_NE(std::string(e.what()).find(bad.name), std::string::npos) << e.what();
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Windows-1252

struct HighByte {
    unsigned char byte;
    char32_t codePoint;
};

const HighByte kAssigned[] = {
    {0x80, 0x20AC}, {0x82, 0x201A}, {0x83, 0x0192}, {0x84, 0x201E}, {0x85, 0x2026}, {0x86, 0x2020},
    {0x87, 0x2021}, {0x88, 0x02C6}, {0x89, 0x2030}, {0x8A, 0x0160}, {0x8B, 0x2039}, {0x8C, 0x0152},
    {0x8E, 0x017D}, {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D}, {0x95, 0x2022},
    {0x96, 0x2013}, {0x97, 0x2014}, {0x98, 0x02DC}, {0x99, 0x2122}, {0x9A, 0x0161}, {0x9B, 0x203A},
    {0x9C, 0x0153}, {0x9E, 0x017E}, {0x9F, 0x0178},
};

const unsigned char kUnassigned[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

TEST(Windows1252Test, AssignedHighBytesBothWays) {
    ASSERT_EQ(std::size(kAssigned), 27u);
    for (const HighByte& h : kAssigned) {
        EXPECT_EQ(platform::Windows1252ToCodePoint(h.byte), h.codePoint) << int(h.byte);
        EXPECT_EQ(platform::CodePointToWindows1252(h.codePoint), h.byte) << int(h.byte);
        std::string utf8;
        platform::AppendUtf8(utf8, h.codePoint);
        std::string byte(1, static_cast<char>(h.byte));
        EXPECT_EQ(platform::Windows1252ToUtf8(byte), utf8) << int(h.byte);
        EXPECT_EQ(platform::Utf8ToWindows1252(utf8), byte) << int(h.byte);
    }
}

TEST(Windows1252Test, UnassignedBytesHaveNoCharacterButSurviveTheRoundTrip) {
    for (unsigned char b : kUnassigned) {
        EXPECT_EQ(platform::Windows1252ToCodePoint(b), std::nullopt) << int(b);
        std::string byte(1, static_cast<char>(b));
        std::string utf8 = platform::Windows1252ToUtf8(byte);
        EXPECT_EQ(platform::DecodeUtf8(utf8), std::u32string(1, static_cast<char32_t>(b))) << int(b);
        EXPECT_EQ(platform::Utf8ToWindows1252(utf8), byte) << int(b);
    }
}

TEST(Windows1252Test, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(platform::Utf8ToWindows1252(platform::Windows1252ToUtf8(all)), all);
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80 || b >= 0xA0) {
            EXPECT_EQ(platform::Windows1252ToCodePoint(static_cast<unsigned char>(b)),
                      static_cast<char32_t>(b));
        }
    }
}

TEST(Windows1252Test, UnmappableCharactersBecomeQuestionMarks) {
    EXPECT_EQ(platform::Utf8ToWindows1252("a\u0995b"), "a?b");
    EXPECT_EQ(platform::Utf8ToWindows1252("\u0100\u20AD\U0001F600"), "???");
    // U+0080 is a control character, not the euro sign that holds byte 0x80.
    EXPECT_EQ(platform::Utf8ToWindows1252("\u0080"), "?");
    EXPECT_EQ(platform::CodePointToWindows1252(0x0080), std::nullopt);
    EXPECT_EQ(platform::CodePointToWindows1252(0x0100), std::nullopt);
}

TEST(Windows1252Test, MalformedUtf8) {
    struct Malformed {
        const char* what;
        std::string text;
        std::u32string before, after; // the characters that must survive on either side
    };
    const Malformed kMalformed[] = {
        {"sequence cut short by a letter",
         "x\xE0"
         "A",
         U"x", U"A"},
        {"sequence cut short by the end", "x\xE0\xA6", U"x", U""},
        {"lone continuation byte", "x\x80y", U"x", U"y"},
        {"overlong slash", "x\xC0\xAFy", U"x", U"y"},
        {"overlong three-byte form", "x\xE0\x80\xAFy", U"x", U"y"},
        {"surrogate", "x\xED\xA0\x80y", U"x", U"y"},
        {"beyond U+10FFFF", "x\xF4\x90\x80\x80y", U"x", U"y"},
        {"invalid lead byte", "x\xFFy", U"x", U"y"},
    };
    for (const Malformed& m : kMalformed) {
        std::u32string decoded = platform::DecodeUtf8(m.text);
        ASSERT_GE(decoded.size(), m.before.size() + m.after.size() + 1) << m.what;
        EXPECT_EQ(decoded.substr(0, m.before.size()), m.before) << m.what;
        EXPECT_EQ(decoded.substr(decoded.size() - m.after.size()), m.after) << m.what;
        std::u32string middle =
            decoded.substr(m.before.size(), decoded.size() - m.before.size() - m.after.size());
        EXPECT_EQ(middle.find_first_not_of(U'\uFFFD'), std::u32string::npos) << m.what;
        std::string bytes = platform::Utf8ToWindows1252(m.text);
        EXPECT_EQ(bytes.substr(0, 1), "x") << m.what;
        EXPECT_EQ(bytes.find_first_not_of("x?" + platform::EncodeUtf8(m.after)), std::string::npos) << m.what;
    }
}

TEST(Windows1252Test, Utf8RoundTripsEveryLength) {
    const std::u32string text = U"A\u00E9\u0995\u20AC\U0001F600\U0010FFFF";
    std::string utf8 = platform::EncodeUtf8(text);
    EXPECT_EQ(utf8, "A\xC3\xA9\xE0\xA6\x95\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF");
    EXPECT_EQ(platform::DecodeUtf8(utf8), text);
}

} // namespace
