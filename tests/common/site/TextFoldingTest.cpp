#include <gtest/gtest.h>

#include <string>

#include "common/site/TextFolding.h"

using vantorel::foldForSearch;
using vantorel::isWellFormedUtf8;

TEST(TextFolding, LatinAccentsAndCaseFoldToPlainLetters) {
    EXPECT_EQ(foldForSearch("ÉéÈèÊêËë ÑñÜüÇçØøÅåÃãÕõ"), "eeeeeeee nnuuccooaaaaoo");
    EXPECT_EQ(foldForSearch("São Paulo"), "sao paulo");
    EXPECT_EQ(foldForSearch("STRASSE Straße ẞ"), "strasse strasse ss");
    EXPECT_EQ(foldForSearch("Æbeltoft Œuvre Þingvellir"), "aebeltoft oeuvre thingvellir");
    EXPECT_EQ(foldForSearch("Łódź Đà Nẵng Hà Nội Kraków Ţărmure Şanlıurfa"),
              "lodz da nang ha noi krakow tarmure sanliurfa");
    EXPECT_EQ(foldForSearch("Reykjavík Tromsø Malmö Zürich"), "reykjavik tromso malmo zurich");
}

TEST(TextFolding, SpacesPunctuationAndDecomposedInput) {
    EXPECT_EQ(foldForSearch("  New \t  York\n"), "new york");
    EXPECT_EQ(foldForSearch(""), "");
    EXPECT_EQ(foldForSearch("   "), "");
    // Typographic apostrophe and dash, as some names are written.
    EXPECT_EQ(foldForSearch("N\xE2\x80\x99"
                            "Djamena Port\xE2\x80\x93"
                            "au-Prince"),
              "n'djamena port-au-prince");
    // "São" typed as "Sa" + combining tilde + "o".
    EXPECT_EQ(foldForSearch("Sa\xCC\x83o"), "sao");
    // Other scripts pass as they are.
    EXPECT_EQ(foldForSearch("Москва"), "Москва");
}

TEST(TextFolding, BytesThatAreNotUtf8AreDropped) {
    EXPECT_EQ(foldForSearch("Pa\xFFris"), "paris");
    EXPECT_EQ(foldForSearch("Pa\xC3"), "pa");             // cut sequence
    EXPECT_EQ(foldForSearch("a\xC0\xAF" "b"), "ab");     // overlong '/'
    EXPECT_EQ(foldForSearch("a\xED\xA0\x80" "b"), "ab");  // surrogate
    EXPECT_EQ(foldForSearch(std::string("a\0b\x1b", 4)), "ab");
    EXPECT_TRUE(isWellFormedUtf8("São Paulo"));
    EXPECT_TRUE(isWellFormedUtf8(""));
    EXPECT_FALSE(isWellFormedUtf8("Pa\xFFris"));
    EXPECT_FALSE(isWellFormedUtf8("\xC0\xAF"));
    EXPECT_FALSE(isWellFormedUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}
