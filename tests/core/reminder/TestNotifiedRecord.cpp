#include "core/reminder/NotifiedRecord.h"

#include "core/platform/FileReader.h"
#include "support/FailingWriter.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zelmora;
using test::makeFriend;
using test::makeTable;

namespace {

using F = FriendField;

std::unique_ptr<FriendTable> friends()
{
    return makeTable({makeFriend("DUPONT", "Jean", {{F::Anniversaire, "15/12/1980"}, {F::Fete, "08/12/    "}}),
                      makeFriend("L\xC9VY", "Tab\tby", {{F::Anniversaire, "08/12/1990"}})});
}

} // namespace

TEST(NotifiedRecord, EachReminderIsShownOnceAcrossARestart)
{
    const test::TempFolder folder;
    const AtomicFileWriter writer;
    const auto table = friends();
    const std::vector<DueReminder> due = dueReminders(*table, {2026, 12, 8}, ReminderPlan{});
    ASSERT_EQ(due.size(), 3u);

    NotifiedRecord first = loadNotifiedRecord(folder.path()); // no file yet
    const std::vector<DueReminder> shown = first.notShownYet(due, *table);
    EXPECT_EQ(shown, due);
    first.markShown(shown, *table);
    ASSERT_TRUE(saveNotifiedRecord(first, folder.path(), writer, Language::English).ok);

    const NotifiedRecord restarted = loadNotifiedRecord(folder.path());
    EXPECT_EQ(restarted.size(), 3u);
    EXPECT_TRUE(restarted.notShownYet(due, *table).empty());

    // The birthday of a week ahead comes again on the day itself, and a renamed friend anew.
    const std::vector<DueReminder> later = dueReminders(*table, {2026, 12, 15}, ReminderPlan{});
    EXPECT_EQ(restarted.notShownYet(later, *table), later);
    auto renamed = friends();
    (*renamed)[1].Prenom.assign("Jeanne");
    EXPECT_EQ(restarted.notShownYet(due, *renamed).size(), 2u);
}

TEST(NotifiedRecord, DaysGoneByAreForgotten)
{
    const auto table = friends();
    NotifiedRecord record;
    record.markShown(dueReminders(*table, {2026, 12, 8}, ReminderPlan{}), *table); // two of today, one of the 15th
    record.markShown(dueReminders(*table, {2026, 12, 8}, ReminderPlan{}), *table); // nothing twice
    EXPECT_EQ(record.size(), 3u);
    record.prune({2026, 12, 8});
    EXPECT_EQ(record.size(), 3u);
    record.prune({2026, 12, 9});
    EXPECT_EQ(record.size(), 1u);
    record.prune({2027, 1, 1});
    EXPECT_EQ(record.size(), 0u);
}

TEST(NotifiedRecord, UnreadableLinesAreLeftOut)
{
    const auto table = friends();
    const std::string good = "2026-12-08\t0\tsaints-day\tDUPONT Jean\n";
    const NotifiedRecord record = NotifiedRecord::fromText(good + "2026-12-08\t0\tbirthday\n"
                                                                  "2026-02-30\t0\tbirthday\tDUPONT Jean\n"
                                                                  "2026-12-08\t-1\tbirthday\tDUPONT Jean\n"
                                                                  "2026-12-08\t0\tparty\tDUPONT Jean\n"
                                                                  "\n");
    EXPECT_EQ(record.size(), 1u);
    EXPECT_EQ(record.toText(), good);
    EXPECT_EQ(record.notShownYet(dueReminders(*table, {2026, 12, 8}, ReminderPlan{}), *table).size(), 2u); // of three
}

TEST(NotifiedRecord, NamesAreWrittenInUtf8WithoutControls)
{
    const auto table = friends();
    NotifiedRecord record;
    record.markShown(dueReminders(*table, {2026, 12, 8}, ReminderPlan{}), *table);
    EXPECT_NE(record.toText().find("\tbirthday\tL\xC3\x89VY Tab?by\n"), std::string::npos);
    const NotifiedRecord read = NotifiedRecord::fromText(record.toText());
    EXPECT_TRUE(read.notShownYet(dueReminders(*table, {2026, 12, 8}, ReminderPlan{}), *table).empty());
}

TEST(NotifiedRecord, AFailedSaveSaysSo)
{
    const test::TempFolder folder;
    const auto table = friends();
    NotifiedRecord record;
    record.markShown(dueReminders(*table, {2026, 12, 8}, ReminderPlan{}), *table);
    const Status saved = saveNotifiedRecord(record, folder.path(), test::FailingWriter(10), Language::English);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message.rfind("The reminders shown could not be noted", 0), 0u) << saved.message;
    EXPECT_EQ(test::entriesIn(folder.path()), 0u);
}
