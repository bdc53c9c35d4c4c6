// Decoding of the programs' Shift-JIS texts as code page 932.
#include <gtest/gtest.h>

#include <string>

#include "cp932.h"

namespace {

TEST(Cp932, DecodesToUtf8) {
    struct Case {
        const char* name;
        std::string cp932, utf8;
    } cases[] = {
        {"empty", "", ""},
        {"ASCII", "SCORE 10", "SCORE 10"},
        {"0x5C is a backslash, not a yen sign", "body\\ene", "body\\ene"},
        {"0x7E is a tilde, not an overline", "~", "~"},
        {"kanji", "\x93\xaa", "\xE9\xA0\xAD"},                          // U+982D
        {"hiragana", "\x82\xa0\x82\xa2", "\xE3\x81\x82\xE3\x81\x84"},   // U+3042 U+3044
        {"half-width katakana", "\xb1", "\xEF\xBD\xB1"},                // U+FF71
        {"wave dash of code page 932", "\x81\x60", "\xEF\xBD\x9E"},     // U+FF5E
        {"NEC special character", "\x87\x40", "\xE2\x91\xA0"},          // U+2460
        {"mixed", "A\x93\xaa" "B", "A\xE9\xA0\xAD" "B"},
    };
    for (const Case& c : cases) EXPECT_EQ(cp932ToUtf8(c.cp932), c.utf8) << c.name;
}

TEST(Cp932, BadBytesBecomeReplacementCharacters) {
    const std::string fffd = "\xEF\xBF\xBD";
    // A lead byte cut off at the end, then one followed by a byte that
    // cannot follow it.
    EXPECT_EQ(cp932ToUtf8("A\x93"), "A" + fffd);
    const std::string decoded = cp932ToUtf8("\x93\x20Z");
    EXPECT_NE(decoded.find(fffd), std::string::npos) << decoded;
    EXPECT_EQ(decoded.back(), 'Z') << "decoding goes on after the bad byte";
    // Decoding a bad string leaves no state behind for the next one.
    EXPECT_EQ(cp932ToUtf8("\x93\xaa"), "\xE9\xA0\xAD");
}

TEST(Cp932, LongTextsDecodeWhole) {
    std::string cp932, utf8;
    for (int i = 0; i < 300; ++i) {
        cp932 += "\x93\xaa";
        utf8 += "\xE9\xA0\xAD";
    }
    EXPECT_EQ(cp932ToUtf8(cp932), utf8);
}

}  // namespace
