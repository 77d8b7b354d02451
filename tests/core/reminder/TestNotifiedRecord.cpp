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

std::vector<DueReminder> dueOn(const FriendTable& table, LocalDate today) { return dueReminders(table, today, ReminderPlan{}); }

} // namespace

TEST(NotifiedRecord, EachReminderIsShownOnceAcrossARestart)
{
    const test::TempFolder folder;
    const AtomicFileWriter writer;
    const auto table = friends();
    const LocalDate today{2026, 12, 8};
    const std::vector<DueReminder> due = dueOn(*table, today);
    ASSERT_EQ(due.size(), 3u); // two today, one a week ahead

    NotifiedRecord first = loadNotifiedRecord(folder.path()); // no file yet
    EXPECT_EQ(first.takeUnshown(due, *table, today), due);
    EXPECT_TRUE(first.takeUnshown(due, *table, today).empty());
    ASSERT_TRUE(saveNotifiedRecord(first, folder.path(), writer, Language::English).ok);

    NotifiedRecord restarted = loadNotifiedRecord(folder.path());
    EXPECT_EQ(restarted.size(), 3u);
    EXPECT_TRUE(restarted.takeUnshown(due, *table, today).empty());

    // A renamed friend is new; the birthday of a week ahead comes again on the day itself.
    auto renamed = friends();
    (*renamed)[1].Prenom.assign("Jeanne");
    EXPECT_EQ(restarted.takeUnshown(due, *renamed, today).size(), 2u);
    const std::vector<DueReminder> later = dueOn(*table, {2026, 12, 15});
    EXPECT_EQ(restarted.takeUnshown(later, *table, {2026, 12, 15}), later);
}

TEST(NotifiedRecord, DaysGoneByAreForgotten)
{
    const auto table = friends();
    NotifiedRecord record;
    record.takeUnshown(dueOn(*table, {2026, 12, 8}), *table, {2026, 12, 8}); // two of the 8th, one of the 15th
    EXPECT_EQ(record.size(), 3u);
    record.takeUnshown({}, *table, {2026, 12, 9});
    EXPECT_EQ(record.size(), 1u);
    record.takeUnshown({}, *table, {2026, 12, 15});
    EXPECT_EQ(record.size(), 1u);
    record.takeUnshown({}, *table, {2027, 1, 1});
    EXPECT_EQ(record.size(), 0u);
}

TEST(NotifiedRecord, UnreadableLinesAreLeftOut)
{
    const auto table = friends();
    const std::string good = "2026-12-08\t0\tsaints-day\tDUPONT Jean\n";
    NotifiedRecord record = NotifiedRecord::fromText(good + "2026-12-08\t0\tbirthday\n"
                                                            "2026-02-30\t0\tbirthday\tDUPONT Jean\n"
                                                            "2026-12-08\t-1\tbirthday\tDUPONT Jean\n"
                                                            "2026-12-08\t0\tparty\tDUPONT Jean\n"
                                                            "\n");
    EXPECT_EQ(record.size(), 1u);
    EXPECT_EQ(record.toText(), good);
    EXPECT_EQ(record.takeUnshown(dueOn(*table, {2026, 12, 8}), *table, {2026, 12, 8}).size(), 2u); // of three
}

TEST(NotifiedRecord, NamesAreWrittenInUtf8WithoutControls)
{
    const auto table = friends();
    NotifiedRecord record;
    record.takeUnshown(dueOn(*table, {2026, 12, 8}), *table, {2026, 12, 8});
    EXPECT_NE(record.toText().find("\tbirthday\tL\xC3\x89VY Tab?by\n"), std::string::npos);
    NotifiedRecord read = NotifiedRecord::fromText(record.toText());
    EXPECT_TRUE(read.takeUnshown(dueOn(*table, {2026, 12, 8}), *table, {2026, 12, 8}).empty());
}

TEST(NotifiedRecord, AFailedSaveSaysSo)
{
    const test::TempFolder folder;
    const auto table = friends();
    NotifiedRecord record;
    record.takeUnshown(dueOn(*table, {2026, 12, 8}), *table, {2026, 12, 8});
    const Status saved = saveNotifiedRecord(record, folder.path(), test::FailingWriter(10), Language::English);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message.rfind("The reminders shown could not be noted", 0), 0u) << saved.message;
    EXPECT_EQ(test::entriesIn(folder.path()), 0u);
}
