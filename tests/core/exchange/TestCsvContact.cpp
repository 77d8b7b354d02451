#include "core/exchange/ContactParser.h"
#include "core/exchange/CsvContact.h"

#include "CsvText.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using test::csvFile;
using test::csvRow;

MappedFriend only(const std::string& file)
{
    const ParsedContacts parsed = ContactParser(Language::English).parse(file);
    EXPECT_TRUE(parsed.status.ok) << parsed.status.message;
    EXPECT_EQ(parsed.friends.size(), 1u);
    return parsed.friends.empty() ? MappedFriend{} : parsed.friends.front();
}

TEST(CsvContact, GoogleContacts)
{
    const auto h = test::GoogleHeader;
    const MappedFriend f = only(csvFile(h, {csvRow(h, {
        {"First Name", "Anne"}, {"Middle Name", "Marie"}, {"Last Name", "Dupont"}, {"Nickname", "Nanou"},
        {"Organization Name", "Acme"}, {"Organization Title", "Boss"}, {"Birthday", "--03-04"},
        {"Notes", "first line\nsecond"}, {"Photo", "https://example.org/p.jpg"}, {"Labels", "* myContacts ::: Friends"},
        {"E-mail 1 - Label", "Work"}, {"E-mail 1 - Value", "anne@work.example"},
        {"E-mail 2 - Label", "* Home"}, {"E-mail 2 - Value", "anne@home.example ::: other@home.example"},
        {"Phone 1 - Label", "Work Fax"}, {"Phone 1 - Value", "01 fax"},
        {"Phone 2 - Label", "Mobile"}, {"Phone 2 - Value", "06 11 ::: 06 22"},
        {"Phone 3 - Label", "Home"}, {"Phone 3 - Value", "01 home"},
        {"Address 1 - Label", "Work"}, {"Address 1 - Street", "Office"}, {"Address 1 - City", "Paris"},
        {"Address 2 - Label", "Home"}, {"Address 2 - Street", "12 rue Haute\nEscalier B"}, {"Address 2 - City", "Lyon"},
        {"Website 1 - Label", "Profile"}, {"Website 1 - Value", "https://example.org/anne"},
        {"Event 1 - Label", "Anniversary"}, {"Event 1 - Value", "2005-06-12"},
        {"Event 2 - Label", "Graduation"}, {"Event 2 - Value", "2001-07-01"}})}));
    const TFriend& r = f.record;
    EXPECT_EQ(r.Nom, "DUPONT");
    EXPECT_EQ(r.Prenom, "Anne");
    EXPECT_EQ(r.Anniversaire, "04/03/    ");
    EXPECT_EQ(r.Notes, "first line second");
    EXPECT_EQ(r.Mail, "anne@home.example");
    EXPECT_EQ(r.Telephone, "01 home");
    EXPECT_EQ(r.Portable, "06 11");
    EXPECT_EQ(r.Adresse1, "12 rue Haute");
    EXPECT_EQ(r.Adresse2, "Escalier B");
    EXPECT_EQ(r.Ville, "Lyon");
    EXPECT_EQ(r.Www, "https://example.org/anne");
    EXPECT_EQ(r.Date1, "12/06/2005");
    EXPECT_EQ(r.Raison1, "Wedding anniversary");
    EXPECT_EQ(r.Date2, "01/07/2001");
    EXPECT_EQ(r.Raison2, "Graduation");
    EXPECT_EQ(f.notes.notKept.counts(Language::English),
              "organisations 1, job titles 1, photos 1, nicknames 1, categories 1, other phones 2, "
              "other e-mail addresses 2, other addresses 1");
}

TEST(CsvContact, GoogleContactsBefore2023)
{
    const auto h = test::OldGoogleHeader;
    const TFriend r = only(csvFile(h, {csvRow(h, {
        {"Name", "Luc Martin"}, {"Given Name", "Luc"}, {"Family Name", "Martin"}, {"Birthday", "1980-01-05"},
        {"Group Membership", "* myContacts"}, {"E-mail 1 - Type", "* Other"}, {"E-mail 1 - Value", "luc@example.org"},
        {"Phone 1 - Type", "Main"}, {"Phone 1 - Value", "01 23"}, {"Address 1 - Type", "Home"},
        {"Address 1 - Street", "3 place Bellecour"}, {"Address 1 - PO Box", "BP 12"}, {"Address 1 - Postal Code", "69002"},
        {"Address 1 - Country", "France"}, {"Address 1 - Extended Address", "Bât. A"},
        {"Organization 1 - Name", "Acme"}, {"Event 1 - Type", "Other"}, {"Event 1 - Value", "2010-09-01"}})})).record;
    EXPECT_EQ(listText(r), "MARTIN Luc");
    EXPECT_EQ(r.Anniversaire, "05/01/1980");
    EXPECT_EQ(r.Mail, "luc@example.org");
    EXPECT_EQ(r.Telephone, "01 23");
    EXPECT_EQ(r.Adresse1, "3 place Bellecour");
    EXPECT_EQ(r.Adresse2, "B\xE2t. A, BP 12");
    EXPECT_EQ(r.Code, "69002");
    EXPECT_EQ(r.Raison1, "Other Date");
}

TEST(CsvContact, Outlook)
{
    const auto h = test::OutlookHeader;
    const std::string file = csvFile(h, {
        csvRow(h, {{"Title", "Mme"}, {"First Name", "Anne"}, {"Last Name", "Dupont"}, {"Company", "Acme"},
                   {"Business Street", "Office"}, {"Business City", "Paris"}, {"Home Street", "12 rue Haute"},
                   {"Home Street 2", "Escalier B"}, {"Home City", "Lyon"}, {"Home Country/Region", "France"},
                   {"Business Phone", "01 work"}, {"Home Fax", "01 fax"}, {"Mobile Phone", "06 11"},
                   {"Primary Phone", "01 primary"}, {"Birthday", "1/5/1980"}, {"Anniversary", "0/0/00"},
                   {"E-mail Address", "anne@example.org"}, {"E-mail Display Name", "Anne Dupont (anne@example.org)"},
                   {"Categories", "Friends;Family"}, {"Web Page", "www.example.org"}}),
        csvRow(h, {{"Company", "Acme Inc."}, {"Business Phone", "01 44"}, {"Birthday", "25/12/1999"},
                   {"Anniversary", "6/12/2005"}}),
    });
    const ParsedContacts parsed = ContactParser(Language::English).parse(file);
    ASSERT_EQ(parsed.friends.size(), 2u);
    const TFriend& anne = parsed.friends[0].record;
    EXPECT_EQ(listText(anne), "DUPONT Anne");
    EXPECT_EQ(anne.Adresse1, "12 rue Haute");
    EXPECT_EQ(anne.Adresse2, "Escalier B");
    EXPECT_EQ(anne.Pays, "France");
    EXPECT_EQ(anne.Telephone, "01 primary");
    EXPECT_EQ(anne.Portable, "06 11");
    EXPECT_EQ(anne.Anniversaire, "05/01/1980"); // month first, as Outlook writes it
    EXPECT_EQ(anne.Date1, "  /  /    ");
    EXPECT_EQ(anne.Mail, "anne@example.org");
    EXPECT_EQ(anne.Www, "www.example.org");
    EXPECT_EQ(parsed.friends[0].notes.notKept.categories, 2u);
    const TFriend& acme = parsed.friends[1].record;
    EXPECT_EQ(listText(acme), "ACME INC. ");
    EXPECT_EQ(acme.Anniversaire, "25/12/1999"); // no month 25: the day comes first
    EXPECT_EQ(acme.Date1, "12/06/2005");
}

TEST(CsvContact, ThunderbirdInBothWordings)
{
    for (const std::string_view h : {test::ThunderbirdHeader, test::BritishThunderbirdHeader}) {
        const bool british = h == test::BritishThunderbirdHeader;
        const TFriend r = only(csvFile(h, {csvRow(h, {
            {"First Name", "Anne"}, {"Last Name", "Dupont"}, {"Display Name", "Anne Dupont"},
            {"Primary Email", "anne@example.org"}, {"Secondary Email", "nanou@example.org"},
            {"Work Phone", "01 work"}, {"Home Phone", "01 home"}, {"Fax Number", "01 fax"}, {"Mobile Number", "06 11"},
            {"Home Address", "12 rue Haute"}, {"Home Address 2", "Escalier B"}, {"Home City", "Lyon"},
            {british ? "Home Post Code" : "Home ZipCode", "69001"}, {british ? "Home County" : "Home State", "Rh\xC3\xB4ne"},
            {"Work Address", "Office"}, {british ? "Organisation" : "Organization", "Acme"},
            {"Web Page 1", "https://work.example"}, {"Web Page 2", "https://home.example"},
            {"Birth Year", "1980"}, {"Birth Month", "1"}, {"Birth Day", "5"}, {"Notes", "hello"}})})).record;
        EXPECT_EQ(listText(r), "DUPONT Anne");
        EXPECT_EQ(r.Mail, "anne@example.org");
        EXPECT_EQ(r.Telephone, "01 home");
        EXPECT_EQ(r.Portable, "06 11");
        EXPECT_EQ(r.Adresse1, "12 rue Haute");
        EXPECT_EQ(r.Adresse2, "Escalier B");
        EXPECT_EQ(r.Code, "69001");
        EXPECT_EQ(r.Etat, "Rh\xF4ne");
        EXPECT_EQ(r.Www, "https://home.example");
        EXPECT_EQ(r.Anniversaire, "05/01/1980");
        EXPECT_EQ(r.Notes, "hello");
    }
}

TEST(CsvContact, DatesInEachProgramsForm)
{
    const struct {
        std::string_view text;
        std::optional<CalendarDay> day;
    } cases[] = {
        {"1980-01-05", CalendarDay{5, 1, 1980}}, {" --01-05", CalendarDay{5, 1, std::nullopt}},
        {"1/5/1980", CalendarDay{5, 1, 1980}},   {"31/1/1980", CalendarDay{31, 1, 1980}},
        {"05.01.1980", CalendarDay{5, 1, 1980}}, {"1/5/80", CalendarDay{5, 1, std::nullopt}},
        {"2/29/1981", std::nullopt},             {"0/0/00", std::nullopt},
        {"1/5/1980 12:00:00 AM", CalendarDay{5, 1, 1980}}, {"soon", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(csvDate(c.text), c.day) << c.text;
    }
}

} // namespace
} // namespace zelmora
