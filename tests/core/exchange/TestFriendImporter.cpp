#include "core/exchange/ContactParser.h"
#include "core/exchange/ExchangeFiles.h"
#include "core/exchange/FriendImporter.h"

#include "CsvText.h"
#include "VCardText.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zelmora {
namespace {

using F = FriendField;

ImportReport importInto(FriendTable& table, const std::string& file,
                        FriendImporter::Duplicates duplicates = FriendImporter::Duplicates::Skip)
{
    return FriendImporter(duplicates).import(table, ContactParser(Language::English).parse(file));
}

TEST(FriendImporter, SkipsDuplicatesAndNamelessCardsAndSorts)
{
    auto table = test::makeTable({test::makeFriend("DUPONT", "Anne")});
    const std::string file = test::card({"N:Dupont;Anne"}) + test::card({"N:Zorro;Bob"}) + test::card({"NOTE:nobody"})
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

    const ImportReport allowed = importInto(*table, file, FriendImporter::Duplicates::Allow);
    EXPECT_EQ(allowed.imported.size(), 4u);
    EXPECT_EQ(table->FriendCount, 7);
}

TEST(FriendImporter, FullTableStopsAndCountsWhatWasLeftOut)
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

TEST(FriendImporter, ReportsEveryChangeAndWhatWasNotKept)
{
    auto table = std::make_unique<FriendTable>();
    const std::string file = "# a comment\r\n"
        + test::card({"N:W\xC4\x85s;\xC5\x81ukasz", "NOTE:" + std::string(201, 'n'), "TITLE:Boss", "NOTE:x"})
        + test::card({"EMAIL:helene.lefevre@example.org", "PHOTO:x"})
        + test::card({"FN:Esc\x1B" "ape", "EMAIL:" + std::string(60, 'm') + "@example.org", "EMAIL:short@example.org"})
        + test::card({"FN:Long", "EMAIL:" + std::string(60, 'm') + "@example.org"}) + "stray\r\n";
    const ImportReport report = importInto(*table, file);
    EXPECT_EQ(report.summary(Language::English),
              "Imported: 4, skipped as duplicates: 0, skipped without a name: 0, characters changed to ?: 2, "
              "control characters removed: 1");
    EXPECT_EQ(report.details(Language::English), (std::vector<std::string>{
        "Unreadable lines skipped: 2 (lines 1, 25)",
        "Characters changed to ? for: W?S ?ukasz",
        "Cut to fit the card: W?S ?ukasz (Notes)",
        "Too long for the card, another one taken: ESCAPE  (E-mail address)",
        "Too long for the card, left empty: LONG  (E-mail address)",
        "Named after their e-mail address: HELENE.LEFEVRE ",
        "Not kept, the card has no place for them: job titles 1, photos 1",
    }));
}

TEST(FriendImporter, ExportedCardsAndRowsImportBackFieldForField)
{
    auto table = test::makeTable({
        test::makeFriend("DUPONT-\xC9TIENNE", "Anne; Marie, \"Nanou\"",
                         {{F::Adresse1, "12, rue \\Haute"}, {F::Adresse2, "B\xE2timent C"}, {F::Code, "69001"},
                          {F::Ville, "Lyon"}, {F::Etat, "Rh\xF4ne"}, {F::Pays, "France"},
                          {F::Telephone, "04 78 00 00 00"}, {F::Portable, "06 12 34 56 78"},
                          {F::Anniversaire, "29/02/1980"}, {F::Fete, "26/07/    "}, {F::Date1, "12/06/    "},
                          {F::Raison1, "Wedding anniversary"}, {F::Date2, "01/09/2010"}, {F::Raison2, "Rentr\xE9""e"},
                          {F::Www, "https://example.org/~anne?a=1;b=2"}, {F::Mail, "anne@example.org"},
                          {F::Notes, std::string(150, 'n') + " \x80 \x9C\xFF end"}}),
        // Only the second other date, a wedding one too, and dates without a reason.
        test::makeFriend("MARTIN", "Luc", {{F::Anniversaire, "05/01/    "}, {F::Fete, "  /  /    "},
                                           {F::Date1, "  /  /    "}, {F::Date2, "31/12/1999"},
                                           {F::Raison2, "Wedding anniversary"}}),
        test::makeFriend("ROUX", "", {{F::Anniversaire, "  /  /    "}, {F::Fete, "  /  /    "},
                                      {F::Date1, "03/03/2003"}, {F::Date2, "04/04/    "}}),
        test::makeFriend("ZORRO", "", {{F::Anniversaire, "  /  /    "}, {F::Fete, "  /  /    "},
                                       {F::Date1, "  /  /    "}, {F::Date2, "  /  /    "}}),
    });
    test::TempFolder folder;
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    ASSERT_TRUE(WriteVCardExport(*table, Language::French, folder / "friends.vcf", writer).ok);
    ASSERT_TRUE(WriteCsvExport(*table, Language::English, folder / "friends.csv", writer).ok);
    for (const char* name : {"friends.vcf", "friends.csv"}) {
        const ParsedContacts read = ReadContactFile(folder / name, Language::English);
        ASSERT_TRUE(read.status.ok) << read.status.message;
        auto imported = std::make_unique<FriendTable>();
        const ImportReport report = FriendImporter(FriendImporter::Duplicates::Skip).import(*imported, read);
        EXPECT_EQ(report.details(Language::English), std::vector<std::string>{}) << name;
        ASSERT_EQ(imported->FriendCount, table->FriendCount) << name;
        for (std::uint16_t slot = 1; slot <= table->FriendCount; ++slot) {
            for (std::size_t field = 0; field < FriendFieldCount; ++field) {
                EXPECT_EQ(fieldText((*imported)[slot], static_cast<F>(field)), fieldText((*table)[slot], static_cast<F>(field)))
                    << name << " " << slot << " " << FriendFieldNames[field];
            }
        }
    }
}

TEST(FriendImporter, EveryTextItShowsExistsInBothLanguages)
{
    for (std::uint16_t pair = lang::ControlCharactersCount; pair <= lang::ImportCancelled; ++pair) {
        EXPECT_FALSE(LangText(pair, Language::English).empty()) << pair;
        EXPECT_FALSE(LangText(pair, Language::French).empty()) << pair;
    }
    EXPECT_EQ(LangText(lang::ImportCancelled + 1, Language::English), "");
}

} // namespace
} // namespace zelmora
