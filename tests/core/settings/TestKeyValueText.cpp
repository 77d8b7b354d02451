#include "core/settings/KeyValueText.h"

#include <gtest/gtest.h>

using namespace zelmora;

TEST(KeyValueText, ReadsKeysAndKeepsEverythingElse)
{
    const std::string text = "\xEF\xBB\xBF# a comment = not a key\r\n"
                             "  remind-birthdays =  0, 7  \r\n"
                             "; another comment\n"
                             "\n"
                             "no equals sign here\n"
                             "carddav-account = jean@example.org\n"
                             "remind-birthdays = 1\n";
    KeyValueText settings(text);
    EXPECT_EQ(settings.value("remind-birthdays"), "0, 7"); // the first line of a key counts
    EXPECT_EQ(settings.value("carddav-account"), "jean@example.org");
    EXPECT_FALSE(settings.value("# a comment"));
    EXPECT_FALSE(settings.value("live-calendar"));

    settings.set("carddav-account", "jean@example.org"); // unchanged: the line stays as written
    settings.set("remind-birthdays", "0, 30");
    settings.set("live-calendar", "yes");
    EXPECT_EQ(settings.text(), "\xEF\xBB\xBF# a comment = not a key\n"
                               "remind-birthdays = 0, 30\n"
                               "; another comment\n"
                               "\n"
                               "no equals sign here\n"
                               "carddav-account = jean@example.org\n"
                               "remind-birthdays = 1\n"
                               "live-calendar = yes\n");
    EXPECT_EQ(KeyValueText(settings.text()).value("live-calendar"), "yes");
}

TEST(KeyValueText, AnEmptyTextIsEmpty)
{
    KeyValueText settings;
    EXPECT_EQ(settings.text(), "");
    settings.set("key", "");
    EXPECT_EQ(settings.text(), "key = \n");
    EXPECT_EQ(KeyValueText(settings.text()).value("key"), "");
}
