#include "core/export/ExportLines.h"
#include "core/export/TextExport.h"

#include <memory>

namespace zelmora {
namespace {

using testing::expectSameLines;

TEST(TextExport, AnEmptyTableGivesTheHeaderOnly)
{
    expectSameLines(buildTextExport(FriendTable{}, Language::English), "text-empty-en.txt");
}

TEST(TextExport, AFriendWithOnlyALastNameStillHasAllFifteenLines)
{
    const auto table = std::make_unique<FriendTable>();
    (*table)[1].Nom.assign("SOLO");
    table->FriendCount = 1;
    expectSameLines(buildTextExport(*table, Language::English), "text-last-name-only-en.txt");
}

TEST(TextExport, WritesEveryFieldWithTheFrenchLabels)
{
    const auto table = std::make_unique<FriendTable>();
    testing::storeDupont(*table, 1);
    table->StoreCard(2, {"MARTIN", "Zo\xE9", "", "", "", "", "", "", "", "", "  /  /    ", "  /  /    ", "  /  /    ", "",
                         "  /  /    "});
    table->FriendCount = 2;
    expectSameLines(buildTextExport(*table, Language::French), "text-two-friends-fr.txt");
}

} // namespace
} // namespace zelmora
