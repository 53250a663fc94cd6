#include "discovant/cddb/textcodec.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>

using namespace discovant;

TEST(TextCodec, ValidUtf8IsKept)
{
    for (const std::string text : { "", "plain ASCII", "Caf\xC3\xA9 \xE2\x82\xAC", "\xF0\x9F\x8E\xB5 music",
             "\xEF\xBF\xBF", "\xF4\x8F\xBF\xBF" }) {
        EXPECT_TRUE(isValidUtf8(text)) << text;
        EXPECT_EQ(toUtf8(text), text);
    }
    const std::string withNul("a\0b", 3);
    EXPECT_EQ(toUtf8(withNul), withNul);
}

TEST(TextCodec, Windows1252IsConverted)
{
    EXPECT_EQ(toUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(toUtf8("\x80 5"), "\xE2\x82\xAC 5");
    EXPECT_EQ(toUtf8("\x93quoted\x94"), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_EQ(toUtf8("Bj\xF6rk \x96 Hom\xF3geni\x63"), "Bj\xC3\xB6rk \xE2\x80\x93 Hom\xC3\xB3genic");
    // The bytes Windows-1252 leaves undefined keep their Latin-1 meaning.
    EXPECT_EQ(toUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    // One bad byte makes the whole text Windows-1252, including bytes that looked like UTF-8.
    EXPECT_EQ(toUtf8("\xC3\xA9\xFF"), "\xC3\x83\xC2\xA9\xC3\xBF");
}

TEST(TextCodec, MalformedUtf8IsNotTakenAsUtf8)
{
    for (const std::string bad : { "\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF0\x80\x80\xAF",
             "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xE2\x82", "\x80", "ab\xC3", "\xC3(", "\xFE\xFF" }) {
        EXPECT_FALSE(isValidUtf8(bad)) << testing::PrintToString(bad);
        EXPECT_NE(toUtf8(bad), bad);
    }
}

TEST(TextCodec, EveryByteHasItsOwnCharacterAndEveryResultIsStableUtf8)
{
    std::set<std::string> seen;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const std::string converted = toUtf8(std::string(1, static_cast<char>(byte)));
        EXPECT_TRUE(isValidUtf8(converted)) << byte;
        EXPECT_GE(converted.size(), 2u) << byte;
        seen.insert(converted);
    }
    EXPECT_EQ(seen.size(), 128u);

    // Whatever the bytes, the result is UTF-8 and converting it again keeps it.
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes(random() % 64, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        const std::string once = toUtf8(bytes);
        ASSERT_TRUE(isValidUtf8(once));
        ASSERT_EQ(toUtf8(once), once);
    }
}
