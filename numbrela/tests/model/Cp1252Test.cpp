#include <gtest/gtest.h>

#include "model/Cp1252.h"

using namespace numbrela;

TEST(Cp1252, EveryByteReadsAsItsCharacterAndWritesBack)
{
    // A few bytes whose characters are worth checking by name.
    EXPECT_EQ(Cp1252AUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252AUtf8("\x91\x92"), "‘’");
    EXPECT_EQ(Cp1252AUtf8("\x9F"), "Ÿ");
    EXPECT_EQ(Cp1252AUtf8("\xF1\xD1\xE1\xFA"), "ñÑáú");
    EXPECT_EQ(Cp1252AUtf8("\xA0"), "\u00A0");
    EXPECT_EQ(Cp1252AUtf8(std::string(1, '\0')), std::string(1, '\0'));

    std::string todos;
    for (int b = 0; b < 256; ++b)
        todos += static_cast<char>(b);
    const std::string utf8 = Cp1252AUtf8(todos);
    EXPECT_EQ(LongitudUtf8(utf8), 256u);
    EXPECT_EQ(Utf8ACp1252(utf8), todos);
}

TEST(Cp1252, CharactersOutsideWindows1252BecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ACp1252("Ω"), "?");
    EXPECT_EQ(Utf8ACp1252("a中b"), "a?b");
    EXPECT_EQ(Utf8ACp1252("😀"), "?");
    EXPECT_EQ(Utf8ACp1252("Peña"), "Pe\xF1"
                                   "a");
}

TEST(Cp1252, MalformedUtf8NeverReadsPastTheEnd)
{
    EXPECT_EQ(Utf8ACp1252("\xC3"), "?");      // a sequence cut short
    EXPECT_EQ(Utf8ACp1252("\xE2\x82"), "??"); // two stray bytes
    EXPECT_EQ(Utf8ACp1252("a\xFF"
                          "b"),
              "a?b"); // a byte that starts nothing
}

TEST(Cp1252, CutsCountCharactersNotBytes)
{
    EXPECT_EQ(CortaUtf8("ñañaña", 3), "ñañ");
    EXPECT_EQ(CortaUtf8("abc", 10), "abc");
    EXPECT_EQ(LongitudUtf8("Números"), 7u);
}
