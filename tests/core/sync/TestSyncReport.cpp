#include "core/sync/SyncReport.h"

#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

SyncSummary withConflict()
{
    SyncSummary summary;
    summary.updated = 1;
    summary.conflicts.push_back({"DUPONT Anne", {FriendField::Telephone, "01 33", "01 99"}});
    summary.waitingForRoom = {"ZOLA Emile", "MARTIN Luc"};
    return summary;
}

TEST(SyncReport, TheSummaryNamesEachFriendAndFieldBothSidesChanged)
{
    EXPECT_EQ(syncSummaryLines({}, false, Language::English),
              std::vector<std::string>{"Synchronised: nothing changed on either side."});
    EXPECT_EQ(syncSummaryLines(withConflict(), false, Language::English),
              (std::vector<std::string>{
                  "Synchronised: here 0 added, 0 changed, 0 deleted; on the server 0 added, 1 changed, 0 deleted.",
                  "DUPONT Anne, Phone Number: changed on both sides; the server's value was kept, this computer's is in "
                  "Zelmora-sync.txt.",
                  "Cards that did not fit the table of 1000 friends stay on the server: ZOLA Emile, MARTIN Luc"}));
    EXPECT_TRUE(syncSummaryLines({}, true, Language::French)[0].starts_with("Essai, rien d'\xE9" "crit"));
}

TEST(SyncReport, TheReportKeepsTheValueGivenUpAndGrowsSectionBySection)
{
    test::TempFolder folder;
    const AtomicFileWriter writer;
    ASSERT_TRUE(appendSyncReport({}, "https://x/", {}, folder.path(), writer, Language::English).ok);
    EXPECT_FALSE(std::filesystem::exists(folder / SyncReportFileName)); // nothing given up, nothing written

    const LocalDateTime when{{2026, 5, 1}, 9, 5, 0};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(appendSyncReport(withConflict(), "https://dav.example.org/", when, folder.path(), writer,
                                     Language::English).ok);
    }
    const std::string report = readWholeFile(folder / SyncReportFileName).bytes;
    const std::string section = "\n2026-05-01 09:05, synchronisation with https://dav.example.org/\n"
                                "DUPONT Anne, Phone Number: the server's \"01 99\" was kept; this computer had \"01 33\".\n"
                                "Cards that did not fit the table of 1000 friends stay on the server: ZOLA Emile, MARTIN Luc\n";
    EXPECT_EQ(report, section + section);
}

} // namespace
} // namespace zelmora
