#include "core/exchange/ExchangeFiles.h"
#include "core/exchange/VCardImporter.h"
#include "core/exchange/VCardReader.h"
#include "core/platform/FileReader.h"

#include "VCardText.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zelmora {
namespace {

std::vector<VCard> cards(const std::string& file)
{
    VCardReadResult read = VCardReader::read(file);
    EXPECT_FALSE(read.error);
    return std::move(read.cards);
}

ImportReport importInto(FriendTable& table, const std::string& file,
                        VCardImporter::Duplicates duplicates = VCardImporter::Duplicates::Skip)
{
    return VCardImporter(Language::English, duplicates).import(table, cards(file));
}

TEST(VCardImport, SkipsDuplicatesAndNamelessCardsAndSorts)
{
    auto table = test::makeTable({test::makeFriend("DUPONT", "Anne")});
    const std::string file = test::card({"N:Dupont;Anne"}) + test::card({"N:Zorro;Bob"}) + test::card({"ORG:Acme"})
        + test::card({"N:Adam;Eve"}) + test::card({"N:Zorro;Bob"});
    const ImportReport report = importInto(*table, file);

    EXPECT_EQ(report.imported, (std::vector<std::string>{"ZORRO Bob", "ADAM Eve"}));
    EXPECT_EQ(report.duplicates, (std::vector<std::string>{"DUPONT Anne", "ZORRO Bob"}));
    EXPECT_EQ(report.nameless, 1u);
    ASSERT_EQ(table->FriendCount, 3);
    EXPECT_EQ(listText((*table)[1]), "ADAM Eve");
    EXPECT_EQ(listText((*table)[3]), "ZORRO Bob");
    EXPECT_EQ(report.summary(Language::English),
              "Imported: 2, skipped as duplicates: 2, skipped without a name: 1, characters changed to ?: 0");
    EXPECT_EQ(report.details(Language::English).front(), "Already in your database, skipped: DUPONT Anne");

    const ImportReport allowed = importInto(*table, file, VCardImporter::Duplicates::Allow);
    EXPECT_EQ(allowed.imported.size(), 4u);
    EXPECT_EQ(table->FriendCount, 7);
}

TEST(VCardImport, FullTableStopsAndCountsWhatWasLeftOut)
{
    auto table = std::make_unique<FriendTable>();
    for (int n = 1; n <= FriendTable::Capacity - 1; ++n) {
        (*table)[++table->FriendCount] = test::fullFriend(n);
    }
    const std::string file = test::card({"N:Last;In"}) + test::card({"N:Too;Many"}) + test::card({"N:Not;Either"});
    const ImportReport report = importInto(*table, file);

    EXPECT_EQ(report.imported, std::vector<std::string>{"LAST In"});
    EXPECT_EQ(report.leftOut, 2u);
    EXPECT_EQ(table->FriendCount, FriendTable::Capacity);
    EXPECT_EQ(report.details(Language::French).back(), "Votre base de donn\xE9""es est pleine ; fiches laiss\xE9""es de c\xF4t\xE9 : 2");
}

TEST(VCardImport, NamesFriendsWhoseCharactersChanged)
{
    auto table = std::make_unique<FriendTable>();
    const ImportReport report = importInto(*table, test::card({"N:W\xC4\x85s;\xC5\x81ukasz"}));
    EXPECT_EQ(report.changed, std::vector<std::string>{"W?S ?ukasz"});
    EXPECT_EQ(report.changedCharacters, 2u);
    EXPECT_EQ(report.details(Language::English), std::vector<std::string>{"Characters changed to ? for: W?S ?ukasz"});
}

TEST(VCardImport, ExportedCardsImportBackFieldForField)
{
    using F = FriendField;
    auto table = test::makeTable({
        test::makeFriend("DUPONT-\xC9TIENNE", "Anne; Marie, \"Nanou\"",
                         {{F::Adresse1, "12, rue \\Haute"}, {F::Adresse2, "B\xE2timent C"}, {F::Code, "69001"},
                          {F::Ville, "Lyon"}, {F::Etat, "Rh\xF4ne"}, {F::Pays, "France"},
                          {F::Telephone, "04 78 00 00 00"}, {F::Portable, "06 12 34 56 78"},
                          {F::Anniversaire, "29/02/1980"}, {F::Fete, "  /  /    "}, {F::Date1, "12/06/    "},
                          {F::Raison1, "Wedding anniversary"}, {F::Date2, "  /  /    "},
                          {F::Www, "https://example.org/~anne?a=1;b=2"}, {F::Mail, "anne@example.org"},
                          {F::Notes, std::string(150, 'n') + " \x80 \x9C\xFF end"}}),
        test::makeFriend("ZORRO", "", {{F::Anniversaire, "  /  /    "}, {F::Fete, "  /  /    "},
                                       {F::Date1, "  /  /    "}, {F::Date2, "  /  /    "}}),
    });
    test::TempFolder folder;
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    ASSERT_TRUE(WriteVCardExport(*table, Language::English, folder / "friends.vcf", writer).ok);
    const VCardFile read = ReadVCardFile(folder / "friends.vcf", Language::English);
    ASSERT_TRUE(read.status.ok) << read.status.message;

    auto imported = std::make_unique<FriendTable>();
    const ImportReport report = VCardImporter(Language::English, VCardImporter::Duplicates::Skip).import(*imported, read.cards);
    EXPECT_EQ(report.imported.size(), 2u);
    EXPECT_EQ(report.changedCharacters, 0u);
    ASSERT_EQ(imported->FriendCount, 2);
    for (std::uint16_t slot = 1; slot <= 2; ++slot) {
        EXPECT_EQ((*imported)[slot], (*table)[slot]) << slot;
    }
}

TEST(VCardImport, MalformedFileSaysWhyAndYieldsNoCard)
{
    test::TempFolder folder;
    std::ofstream(folder / "bad.vcf", std::ios::binary) << test::card({"FN:Fine"}) << "BEGIN:VCARD\r\nFN:Cut short\r\n";
    const VCardFile bad = ReadVCardFile(folder / "bad.vcf", Language::English);
    EXPECT_FALSE(bad.status.ok);
    EXPECT_TRUE(bad.cards.empty());
    EXPECT_EQ(bad.status.message,
              "This is not a vCard file that can be read: line 5: a card is not ended (END:VCARD is missing)");
    const VCardFile missing = ReadVCardFile(folder / "none.vcf", Language::French);
    EXPECT_FALSE(missing.status.ok);
    EXPECT_NE(missing.status.message.find("none.vcf"), std::string::npos);
}

TEST(VCardImport, EveryTextItShowsExistsInBothLanguages)
{
    for (std::uint16_t pair = lang::ImportedCount; pair <= lang::TrialRun; ++pair) {
        EXPECT_FALSE(LangText(pair, Language::English).empty()) << pair;
        EXPECT_FALSE(LangText(pair, Language::French).empty()) << pair;
    }
    EXPECT_EQ(LangText(lang::TrialRun + 1, Language::English), "");
}

} // namespace
} // namespace zelmora
