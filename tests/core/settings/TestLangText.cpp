#include "core/base/LangText.h"

#include <gtest/gtest.h>

using namespace zelmora;

namespace {
constexpr Language En = Language::English;
constexpr Language Fr = Language::French;
} // namespace

TEST(LangText, EveryPairExistsInBothLanguages)
{
    for (std::uint16_t pair = 0; pair <= 187; ++pair) {
        if (pair > 93 && pair < 170) {
            EXPECT_EQ(LangText(pair, En), "") << pair;
            continue;
        }
        const bool emptyInEnglish = pair == 38 || pair == 42 || pair == 46;
        EXPECT_EQ(LangText(pair, En).empty(), emptyInEnglish) << pair;
        EXPECT_FALSE(LangText(pair, Fr).empty()) << pair;
        EXPECT_LE(LangText(pair, Fr).size(), 120u) << pair;
    }
    EXPECT_EQ(LangText(1000, En), "");
}

TEST(LangText, TextsAreWindows1252Bytes)
{
    EXPECT_EQ(LangText(0, Fr), "Dates \xE0 souhaiter");
    EXPECT_EQ(LangText(13, Fr), "N\xB0 T\xE9l\xE9phone");
    EXPECT_EQ(LangText(54, En), "\"Rounded\" buttons");
    EXPECT_EQ(LangText(54, Fr), "Boutons \"arrondis\"");
}

TEST(LangText, BlanksAtTheEdgesArePartOfTheText)
{
    EXPECT_EQ(LangText(70, En), "Database file adapted for Zelmora ");
    EXPECT_EQ(LangText(70, Fr), "Fichier de donn\xE9""es adapt\xE9 \xE0 Zelmora ");
    EXPECT_EQ(LangText(66, En), "Do you really want to delete ");
    EXPECT_EQ(LangText(67, En), " from your database ?");
    EXPECT_EQ(LangText(75, Fr), " ans)");
    EXPECT_EQ(LangText(177, En), " days)");
}

TEST(LangText, AboutNoticeNamesOnlyZelmora)
{
    for (std::uint16_t pair = 37; pair <= 49; ++pair) {
        for (const Language language : {En, Fr}) {
            const std::string_view text = LangText(pair, language);
            for (const char* stranger : {"Delphi", "Windows 9", "Borland", "Microsoft"}) {
                EXPECT_EQ(text.find(stranger), std::string_view::npos) << pair;
            }
        }
    }
    EXPECT_NE(LangText(37, En).find("Zelmora"), std::string_view::npos);
    EXPECT_NE(LangText(37, Fr).find("Zelmora"), std::string_view::npos);
}

TEST(LangText, FilledTextsTakeTheirValuesInOnePass)
{
    EXPECT_EQ(LangTextFilled(lang::DueInDays, Fr, {"7"}), "Dans 7 jours : ");
    // A value that looks like a marker stays as it is.
    EXPECT_EQ(LangTextFilled(lang::BadSetting, En, {"live-calendar", "%3", "no"}),
              "Zelmora.ini: live-calendar cannot be \"%3\"; its default \"no\" is used.");
    EXPECT_EQ(LangTextFilled(lang::SummaryAhead, En, {}), "%1 dates to celebrate in the coming days");
}
