#include "core/settings/ExtraSettings.h"

#include "core/platform/FileReader.h"
#include "support/FailingWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace zelmora;
using namespace std::chrono_literals;

namespace {

std::vector<int> daysOf(const LeadTimes& lead) { return {lead.begin(), lead.end()}; }

void leaveAsItIs(ExtraSettings&) {}

ExtraSettingsRead readText(std::string_view text, Language language = Language::English)
{
    return readExtraSettings(KeyValueText(text), language);
}

class ExtraSettingsTest : public testing::Test {
protected:
    void store(std::string_view text) { std::ofstream(folder / "Zelmora.ini", std::ios::binary) << text; }
    std::string stored() const { return readWholeFile(folder / "Zelmora.ini").bytes; }

    test::TempFolder folder;
    AtomicFileWriter writer;
};

} // namespace

TEST(ExtraSettings, ValuesAsTheFileWritesThem)
{
    const ExtraSettingsRead read = readText("remind-birthdays = 30, 0,1 ,7\n"
                                            "remind-saints-days = none\n"
                                            "remind-other-dates =\n"
                                            "leap-day-in-common-years = february-28\n"
                                            "live-calendar = yes\n"
                                            "sync-server = https://dav.example.org/\n"
                                            "sync-user = anne.dupont\n");
    EXPECT_TRUE(read.messages.empty());
    EXPECT_EQ(read.settings.syncServer, "https://dav.example.org/");
    EXPECT_EQ(read.settings.syncUser, "anne.dupont");
    EXPECT_EQ(read.settings.syncAddressBook, "");
    EXPECT_EQ(daysOf(read.settings.birthdays), (std::vector<int>{0, 1, 7, 30}));
    EXPECT_TRUE(read.settings.saintsDays.empty());
    EXPECT_TRUE(read.settings.otherDates.empty());
    EXPECT_EQ(read.settings.leapDay, LeapDayRule::FebruaryLast);
    EXPECT_TRUE(read.settings.liveCalendar);

    const ExtraSettingsRead none = readText("");
    EXPECT_TRUE(none.messages.empty());
    EXPECT_EQ(daysOf(none.settings.birthdays), (std::vector<int>{0, 7}));
    EXPECT_FALSE(none.settings.liveCalendar);
}

TEST(ExtraSettings, EachBadValueFallsBackToItsDefaultWithOneMessage)
{
    struct Case {
        std::string_view line;
        std::string_view message;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"remind-birthdays = 1, 2, 3, 4", "remind-birthdays cannot be \"1, 2, 3, 4\"; its default \"0, 7\""},
             {"remind-birthdays = 7, 7", "\"7, 7\""},
             {"remind-birthdays = 0, 400", "\"0, 400\""},
             {"remind-birthdays = -1", "\"-1\""},
             {"remind-birthdays = 0, 7,", "\"0, 7,\""},
             {"remind-birthdays = 0,,7", "\"0,,7\""},
             {"remind-saints-days = a week", "remind-saints-days cannot be \"a week\"; its default \"0\""},
             {"leap-day-in-common-years = 29-february", "its default \"march-1\""},
             {"live-calendar = true", "live-calendar cannot be \"true\"; its default \"no\""},
         }) {
        const ExtraSettingsRead read = readText(std::string(c.line) + "\nremind-other-dates = 0, 1\n");
        ASSERT_EQ(read.messages.size(), 1u) << c.line;
        EXPECT_NE(read.messages[0].find(c.message), std::string::npos) << read.messages[0];
        EXPECT_EQ(read.settings.birthdays, ReminderPlan{}.birthdays) << c.line;
        EXPECT_EQ(daysOf(read.settings.otherDates), (std::vector<int>{0, 1})); // the good line still counts
    }
    const ExtraSettingsRead french = readText("live-calendar = oui\nremind-birthdays = jamais\n", Language::French);
    ASSERT_EQ(french.messages.size(), 2u);
    EXPECT_EQ(french.messages[0], "Zelmora.ini : remind-birthdays ne peut valoir \xAB jamais \xBB ; "
                                  "sa valeur par d\xE9" "faut \xAB 0, 7 \xBB est utilis\xE9" "e.");
}

TEST_F(ExtraSettingsTest, AMissingFileMeansTheDefaultsAndNothingIsCreated)
{
    const ExtraSettingsRead read = loadExtraSettings(folder.path(), Language::English);
    EXPECT_TRUE(read.messages.empty());
    EXPECT_EQ(read.settings.leapDay, LeapDayRule::MarchFirst);
    EXPECT_EQ(test::entriesIn(folder.path()), 0u);
}

TEST_F(ExtraSettingsTest, SavingKeepsCommentsAndKeysItDoesNotKnow)
{
    store("# mine\nremind-birthdays = 3\ncarddav-account = jean\nremind-birthdays = 9\n");
    ASSERT_TRUE(changeExtraSettings(folder.path(), writer, Language::English, [](ExtraSettings& settings) {
        EXPECT_EQ(daysOf(settings.birthdays), (std::vector<int>{3})); // the file's last word
        settings.liveCalendar = true;
        settings.otherDates = leadTimes({0, 1, 7, 30});
    }).ok);
    EXPECT_EQ(stored(), "# mine\n"
                        "remind-birthdays = 3\n"
                        "carddav-account = jean\n"
                        "remind-birthdays = 9\n"
                        "remind-saints-days = 0\n"
                        "remind-other-dates = 0, 1, 7, 30\n"
                        "leap-day-in-common-years = march-1\n"
                        "live-calendar = yes\n");
    const ExtraSettingsRead again = loadExtraSettings(folder.path(), Language::English);
    EXPECT_TRUE(again.messages.empty());
    EXPECT_TRUE(again.settings.liveCalendar);
    EXPECT_EQ(again.settings.otherDates, leadTimes({0, 1, 7, 30}));
}

TEST_F(ExtraSettingsTest, ANewFileSaysHowToWriteItsValues)
{
    const auto inner = folder / "not-yet";
    ASSERT_TRUE(changeExtraSettings(inner, writer, Language::English, leaveAsItIs).ok);
    const std::string text = readWholeFile(inner / "Zelmora.ini").bytes;
    EXPECT_TRUE(text.starts_with("# ")) << text;
    EXPECT_NE(text.find("\nremind-birthdays = 0, 7\n"), std::string::npos) << text;
    EXPECT_TRUE(loadExtraSettings(inner, Language::English).messages.empty());
}

TEST_F(ExtraSettingsTest, SavingWaitsForTheFolderLockAndFailsLoudly)
{
    store("remind-birthdays = 3\n");
    FolderLock held;
    ASSERT_TRUE(held.acquire(folder.path(), Language::English).ok);
    const Status busy = changeExtraSettings(folder.path(), writer, Language::English, leaveAsItIs, 50ms);
    EXPECT_FALSE(busy.ok);
    held.release();

    const Status full = changeExtraSettings(folder.path(), test::FailingWriter(5), Language::English, leaveAsItIs);
    EXPECT_EQ(full.message.rfind("The reminder settings could not be saved: ", 0), 0u) << full.message;
    EXPECT_EQ(stored(), "remind-birthdays = 3\n");
}

TEST_F(ExtraSettingsTest, AFileThatCannotBeReadIsSaidAndNeverWrittenOver)
{
    std::filesystem::create_directory(folder / "Zelmora.ini");
    const ExtraSettingsRead read = loadExtraSettings(folder.path(), Language::English);
    ASSERT_EQ(read.messages.size(), 1u);
    EXPECT_NE(read.messages[0].find("Zelmora.ini"), std::string::npos) << read.messages[0];
    EXPECT_FALSE(changeExtraSettings(folder.path(), writer, Language::English, leaveAsItIs).ok);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Zelmora.ini"));
}
