#include "core/exchange/VCardMapping.h"
#include "core/exchange/VCardReader.h"

#include "VCardText.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

MappedFriend mapped(std::initializer_list<std::string_view> properties, Language language = Language::English)
{
    const VCardReadResult read = VCardReader::read(test::card(properties));
    EXPECT_FALSE(read.error);
    return VCardMapping(language).map(read.cards.at(0));
}

TEST(VCardMapping, BirthdayInEveryForm)
{
    const struct {
        std::string_view line;
        std::string_view birthday;
    } cases[] = {
        {"BDAY:19800105", "05/01/1980"},
        {"BDAY:1980-01-05", "05/01/1980"},
        {"BDAY:--0105", "05/01/    "},
        {"BDAY:--01-05", "05/01/    "},
        {"BDAY:1980-01-05T08:30:00Z", "05/01/1980"},
        {"BDAY;VALUE=date-time:19800105T083000", "05/01/1980"},
        {"BDAY;X-APPLE-OMIT-YEAR=1604:1604-01-05", "05/01/    "},
        {"BDAY:0000-02-29", "29/02/    "},
        // Neither day nor month to keep: the birthday stays empty.
        {"BDAY:1980", "  /  /    "},
        {"BDAY:1980-01", "  /  /    "},
        {"BDAY:---05", "  /  /    "},
        {"BDAY;VALUE=text:circa 1800", "  /  /    "},
        {"BDAY:1980-13-05", "  /  /    "},
        {"BDAY:1980-04-31", "  /  /    "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mapped({"FN:A", c.line}).record.Anniversaire, c.birthday) << c.line;
    }
}

TEST(VCardMapping, WeddingAnniversaryFromEveryProgram)
{
    for (const std::string_view line :
         {"ANNIVERSARY:20050612", "X-ANNIVERSARY:2005-06-12", "X-MS-ANNIVERSARY:2005-06-12",
          "X-EVOLUTION-ANNIVERSARY:2005-06-12", "X-KADDRESSBOOK-X-Anniversary:2005-06-12",
          "item2.X-ABDATE:2005-06-12"}) {
        const TFriend f = mapped({"FN:A", line, "item2.X-ABLabel:_$!<Anniversary>!$_"}).record;
        EXPECT_EQ(f.Date1, "12/06/2005") << line;
        EXPECT_EQ(f.Raison1, "Wedding anniversary") << line;
    }
    EXPECT_EQ(mapped({"FN:A", "ANNIVERSARY:--0612"}, Language::French).record.Raison1, "Anniversaire de mariage");
    const TFriend other = mapped({"FN:A", "item1.X-ABDATE:2005-06-12", "item1.X-ABLabel:Graduation"}).record;
    EXPECT_EQ(other.Date1, "  /  /    ");
    EXPECT_EQ(other.Raison1, "");
}

TEST(VCardMapping, NamesFromNOrElseFromFN)
{
    const struct {
        std::initializer_list<std::string_view> lines;
        std::string_view nom;
        std::string_view prenom;
    } cases[] = {
        {{"N:  Dupont-\xC3\xA9tienne ;Anne;Marie;Dr;", "FN:Someone Else"}, "DUPONT-\xC9TIENNE", "Anne"},
        {{"N:;;;;", "FN:Anne Marie Dupont"}, "DUPONT", "Anne Marie"},
        {{"FN:Cher"}, "CHER", ""},
        {{"N:;Anne"}, "", "Anne"},
        {{"ORG:Acme", "EMAIL:a@b.c"}, "", ""},
    };
    for (const auto& c : cases) {
        const MappedFriend f = mapped(c.lines);
        EXPECT_EQ(f.record.Nom, c.nom);
        EXPECT_EQ(f.record.Prenom, c.prenom);
        EXPECT_EQ(f.hasName(), !c.nom.empty() || !c.prenom.empty());
    }
}

TEST(VCardMapping, AddressPhonesMailWebAndNotes)
{
    const TFriend f = mapped({
                                 "FN:A",
                                 "TEL;TYPE=work,voice:01 23",
                                 "TEL;TYPE=cell:06 11",
                                 "TEL;CELL:06 22",
                                 "TEL;TYPE=home:01 99",
                                 "EMAIL;TYPE=work:first@example.org",
                                 "EMAIL:second@example.org",
                                 "URL:https://example.org/a",
                                 "ADR;TYPE=home:BP 7;Apt 4;12 rue Haute\\nEscalier B;Lyon;Rh\xC3\xB4ne;69001;France",
                                 "ADR:;;Elsewhere;;;;",
                                 "NOTE:line one\\nline two\\, and more",
                             })
                            .record;
    EXPECT_EQ(f.Telephone, "01 23");
    EXPECT_EQ(f.Portable, "06 11");
    EXPECT_EQ(f.Mail, "first@example.org");
    EXPECT_EQ(f.Www, "https://example.org/a");
    EXPECT_EQ(f.Adresse1, "12 rue Haute");
    EXPECT_EQ(f.Adresse2, "Escalier B, Apt 4, BP 7");
    EXPECT_EQ(f.Ville, "Lyon");
    EXPECT_EQ(f.Etat, "Rh\xF4ne");
    EXPECT_EQ(f.Code, "69001");
    EXPECT_EQ(f.Pays, "France");
    EXPECT_EQ(f.Notes, "line one line two, and more");
    EXPECT_EQ(mapped({"FN:A", "TEL;VALUE=uri;TYPE=cell:tel:+33-6-11"}).record.Portable, "+33-6-11");
}

TEST(VCardMapping, CutsToCapacityAndMarksCharactersTheCodePageLacks)
{
    const MappedFriend f = mapped({"N:" + std::string(60, 'x') + ";\xC5\x81ukasz", "ADR:;;;;;123456789012345;",
                                   "NOTE:" + std::string(200, 'n') + "\xE2\x98\x83"});
    EXPECT_EQ(f.record.Nom, std::string(50, 'X'));
    EXPECT_EQ(f.record.Prenom, "?ukasz");
    EXPECT_EQ(f.record.Code, "1234567890");
    EXPECT_EQ(f.record.Notes, std::string(200, 'n'));
    EXPECT_EQ(f.changedCharacters, 1u); // the snowman after the 200th character was cut, not changed
}

} // namespace
} // namespace zelmora
