#include "core/base/Cp1252.h"

#include <gtest/gtest.h>

using namespace zelmora;

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const cp1252::Converted back = cp1252::fromUtf8(cp1252::toUtf8(all));
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.text, all);
}

TEST(Cp1252, MapsTheWindowsOnlyCharacters)
{
    EXPECT_EQ(cp1252::toUtf8("\x80 \x9C \xE9"), "€ œ é");
    EXPECT_EQ(cp1252::fromUtf8("Fête € ‘x’ Ÿ").text, "F\xEAte \x80 \x91x\x92 \x9F");
}

TEST(Cp1252, ReportsWhatItCannotHold)
{
    const std::string input = "Dupont \xC4\x81 end"; // ā, U+0101
    const cp1252::Converted converted = cp1252::fromUtf8(input);
    EXPECT_FALSE(converted.ok);
    EXPECT_EQ(converted.error.offset, 7u);
    EXPECT_EQ(cp1252::describe(converted.error, input), "U+0101 (\xC4\x81)");

    for (const char* invalid : {"\xC3", "\xFF", "\xC0\x80", "\xED\xA0\x80", "\xE2\x82"}) {
        const cp1252::Converted bad = cp1252::fromUtf8(invalid);
        EXPECT_FALSE(bad.ok);
        EXPECT_TRUE(bad.error.invalidUtf8);
    }
    EXPECT_FALSE(cp1252::fromUtf8("emoji 😀").ok);
    for (const char* control : {"\xC2\x85", "\xE2\x80\xAE"}) { // a C1 control, a right-to-left override
        EXPECT_EQ(cp1252::describe(cp1252::fromUtf8(control).error, control).find('('), std::string::npos) << control;
    }
}

TEST(Cp1252, ForDisplayReplacesOnlyWhatItMust)
{
    EXPECT_EQ(cp1252::forDisplay("/home/zo\xC3\xA9/\xC4\x81"), "/home/zo\xE9/?");
}

TEST(Cp1252, CapitalsIncludeAccentedLetters)
{
    EXPECT_EQ(cp1252::toUpper("dupont \xE9mile \xFF\x9A\x9C\x9E \xDF\xB5 \xF7"), "DUPONT \xC9MILE \x9F\x8A\x8C\x8E \xDF\xB5 \xF7");
}
