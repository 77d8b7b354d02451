#include "core/exchange/ContactMapping.h"
#include "core/exchange/VCardContact.h"

#include "VCardText.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using F = FriendField;

MappedFriend mapped(std::initializer_list<std::string_view> properties, Language language = Language::English)
{
    const std::vector<VCard> cards = test::readCards(test::card(properties));
    EXPECT_EQ(cards.size(), 1u);
    return ContactMapping(language).map(VCardContact::fromCard(cards.at(0)));
}

TEST(VCardContact, BirthdayInEveryForm)
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

TEST(VCardContact, WeddingAnniversaryFromEveryProgram)
{
    for (const std::string_view line :
         {"ANNIVERSARY:20050612", "X-ANNIVERSARY:2005-06-12", "X-MS-ANNIVERSARY:2005-06-12",
          "X-EVOLUTION-ANNIVERSARY:2005-06-12", "X-KADDRESSBOOK-X-Anniversary:2005-06-12",
          "item2.X-ABDATE:2005-06-12", "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;2005-06-12;1;;;;;;;;;;;;;"}) {
        const TFriend f = mapped({"FN:A", line, "item2.X-ABLabel:_$!<Anniversary>!$_"}).record;
        EXPECT_EQ(f.Date1, "12/06/2005") << line;
        EXPECT_EQ(f.Raison1, "Wedding anniversary") << line;
    }
    EXPECT_EQ(mapped({"FN:A", "ANNIVERSARY:--0612"}, Language::French).record.Raison1, "Anniversaire de mariage");
}

TEST(VCardContact, OtherDatesGoToDate1AndDate2WithTheirReason)
{
    const MappedFriend f = mapped(
        {"FN:A", "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;--03-14;0;Graduation;;;;;;;;;;;;",
         "item1.X-ABDATE:2001-07-14", "item1.X-ABLabel:F\xC3\xAAte", // the saint's day, in either language
         "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;2010-09-01;2;;;;;;;;;;;;;",
         "X-ANDROID-CUSTOM:vnd.android.cursor.item/contact_event;1979-01-01;3;;;;;;;;;;;;;", "BDAY:19800105",
         "item2.X-ABDATE:2020-02-02", "item2.X-ABLabel:One too many"});
    EXPECT_EQ(f.record.Date1, "14/03/    ");
    EXPECT_EQ(f.record.Raison1, "Graduation");
    EXPECT_EQ(f.record.Fete, "14/07/2001");
    EXPECT_EQ(f.record.Date2, "01/09/2010");
    EXPECT_EQ(f.record.Raison2, "Other Date");
    EXPECT_EQ(f.record.Anniversaire, "01/01/1979"); // the first birthday; BDAY comes after it
    EXPECT_EQ(f.notes.notKept.dates, 2u);
}

TEST(VCardContact, NamesFromNOrFNOrTheOrganisationOrTheEmailAddress)
{
    const struct {
        std::initializer_list<std::string_view> lines;
        std::string_view nom;
        std::string_view prenom;
        std::size_t organisationsAside;
    } cases[] = {
        {{"N:  Dupont-\xC3\xA9tienne ;Anne;Marie;Dr;", "FN:Someone Else", "ORG:Acme"}, "DUPONT-\xC9TIENNE", "Anne", 1},
        {{"N:;;;;", "FN:Anne Marie Dupont"}, "DUPONT", "Anne Marie", 0},
        {{"FN:Cher"}, "CHER", "", 0},
        {{"N:;Anne"}, "", "Anne", 0},
        // Organisations are not split like persons' names.
        {{"KIND:org", "N:Inc.;ACME", "FN:ACME Inc.", "ORG:ACME Inc.;Sales"}, "ACME INC.", "", 0},
        {{"X-ABShowAs:COMPANY", "N:;;;;", "FN:ACME Inc.", "ORG:ACME Inc."}, "ACME INC.", "", 0},
        {{"N:;;;;", "FN:ACME Inc.", "ORG:ACME Inc."}, "ACME INC.", "", 0},
        {{"ORG:Acme", "EMAIL:a@b.c"}, "ACME", "", 0},
        {{"KIND:org", "N:Cinq;Club des", "FN:Club des Cinq"}, "CLUB DES CINQ", "", 0},
        // Nothing but e-mail addresses: the preferred one's name part.
        {{"EMAIL:other@x.org", "EMAIL;TYPE=pref:helene.lefevre@example.org"}, "HELENE.LEFEVRE", "", 0},
        {{"NOTE:nobody"}, "", "", 0},
    };
    for (const auto& c : cases) {
        const MappedFriend f = mapped(c.lines);
        EXPECT_EQ(f.record.Nom, c.nom) << c.nom;
        EXPECT_EQ(f.record.Prenom, c.prenom) << c.nom;
        EXPECT_EQ(f.notes.notKept.organisations, c.organisationsAside) << c.nom;
        EXPECT_EQ(f.notes.namedFromEmail, c.nom == "HELENE.LEFEVRE");
    }
}

TEST(VCardContact, PhonesAreVoiceOnesInOrderOfPreference)
{
    const struct {
        std::initializer_list<std::string_view> lines;
        std::string_view telephone;
        std::string_view portable;
        std::size_t phonesAside;
    } cases[] = {
        {{"TEL;TYPE=FAX:01 fax", "TEL;TYPE=work:01 work", "TEL:01 plain", "TEL;TYPE=home:01 home"}, "01 home", "", 3},
        {{"TEL;TYPE=work:01 work", "TEL;TYPE=work,pref:01 pref", "TEL;HOME:01 home"}, "01 pref", "", 2},
        {{"TEL;TYPE=work:01 work", "TEL;VOICE:01 plain"}, "01 plain", "", 1},
        {{"TEL;PAGER:01", "TEL;MODEM:02", "TEL;TYPE=textphone:03", "TEL;TYPE=video:04", "TEL;FAX;HOME:05"}, "", "", 5},
        {{"TEL;TYPE=cell:06 a", "TEL;TYPE=cell;PREF=1:06 pref", "TEL;CELL:06 b", "TEL;TYPE=work,voice:01"}, "01", "06 pref", 2},
        {{"TEL;type=IPHONE;type=CELL;type=VOICE:06 i", "TEL;VALUE=uri;TYPE=voice:tel:+33-1-23"}, "+33-1-23", "06 i", 0},
    };
    for (const auto& c : cases) {
        const MappedFriend f = mapped(c.lines);
        EXPECT_EQ(f.record.Telephone, c.telephone) << c.telephone;
        EXPECT_EQ(f.record.Portable, c.portable) << c.telephone;
        EXPECT_EQ(f.notes.notKept.phones, c.phonesAside) << c.telephone;
    }
}

TEST(VCardContact, EachFieldSaysWhichPropertyItWasReadFrom)
{
    // Properties are counted from 1 after VERSION, which the card helper writes first.
    const MappedFriend f = mapped({"FN:Anne Dupont", "N:Dupont;Anne;;;", "TEL;TYPE=work:01 work", "TEL;TYPE=home:01 home",
                                   "item1.X-ABDATE:2001-02-03", "item1.X-ABLabel:Rentr\u00e9e", "ADR:;;1 rue;Lyon;;;",
                                   "NOTE:n"});
    const auto origin = [&](F field) { return f.origins[fieldIndex(field)]; };
    EXPECT_EQ(origin(F::Nom), 3u);
    EXPECT_EQ(origin(F::Prenom), 3u);
    EXPECT_EQ(origin(F::Telephone), 5u);
    EXPECT_EQ(origin(F::Date1), 6u);
    EXPECT_EQ(origin(F::Raison1), 6u);
    EXPECT_EQ(origin(F::Ville), 8u);
    EXPECT_EQ(origin(F::Notes), 9u);
    EXPECT_EQ(origin(F::Portable), NoOrigin);
    EXPECT_EQ(origin(F::Anniversaire), NoOrigin);

    const MappedFriend named = mapped({"ORG:ACME", "FN:ACME"});
    EXPECT_EQ(named.origins[fieldIndex(F::Nom)], 2u);
}

TEST(VCardContact, AddressAndEmailInOrderOfPreference)
{
    const TFriend f = mapped({
                                 "FN:A",
                                 "EMAIL;TYPE=work:work@example.org",
                                 "EMAIL:plain@example.org",
                                 "URL:https://example.org/a",
                                 "ADR;TYPE=work:;;Office;Paris;;75001;France",
                                 "ADR;TYPE=home:BP 7;Apt 4;12 rue Haute\\nEscalier B;Lyon;Rh\xC3\xB4ne;69001;France",
                                 "NOTE:line one\\nline two\\, and more",
                             })
                          .record;
    EXPECT_EQ(f.Mail, "plain@example.org");
    EXPECT_EQ(f.Www, "https://example.org/a");
    EXPECT_EQ(f.Adresse1, "12 rue Haute");
    EXPECT_EQ(f.Adresse2, "Escalier B, Apt 4, BP 7");
    EXPECT_EQ(f.Ville, "Lyon");
    EXPECT_EQ(f.Etat, "Rh\xF4ne");
    EXPECT_EQ(f.Code, "69001");
    EXPECT_EQ(f.Pays, "France");
    EXPECT_EQ(f.Notes, "line one line two, and more");

    // Outlook names its postal address: 2 is the business one.
    const MappedFriend outlook = mapped({"FN:A", "ADR;HOME:;;Home street;Lyon;;;", "ADR;WORK:;;Office;Paris;;;",
                                         "X-MS-OL-DEFAULT-POSTAL-ADDRESS:2"});
    EXPECT_EQ(outlook.record.Adresse1, "Office");
    EXPECT_EQ(outlook.notes.notKept.addresses, 1u);
}

// A cut e-mail address is a wrong one: the next that fits is taken, and the report says so.
TEST(VCardContact, ValuesTooLongForTheirFieldAreNeverCut)
{
    const std::string longMail = "EMAIL;TYPE=pref:helene.lefevre-dupont.service-comptabilite@societe-generale.example.org";
    const MappedFriend second = mapped({"FN:A", longMail, "EMAIL:helene@example.org", "EMAIL:third@example.org"});
    EXPECT_EQ(second.record.Mail, "helene@example.org");
    EXPECT_EQ(second.notes.tooLongReplaced, std::vector<F>{F::Mail});
    EXPECT_EQ(second.notes.notKept.emails, 1u);

    const MappedFriend none = mapped({"FN:A", longMail, "TEL:" + std::string(31, '1'), "URL:https://" + std::string(95, 'w')});
    EXPECT_EQ(none.record.Mail, "");
    EXPECT_EQ(none.record.Telephone, "");
    EXPECT_EQ(none.record.Www, "");
    EXPECT_EQ(none.notes.tooLongEmptied, (std::vector<F>{F::Telephone, F::Mail, F::Www}));
}

TEST(VCardContact, NamesAndAddressesAreCutAsTheCardCutsThem)
{
    const MappedFriend f = mapped({"N:" + std::string(60, 'x') + ";\xC5\x81ukasz", "ADR:;;;;;123456789012345;",
                                   "NOTE:" + std::string(200, 'n') + "\xE2\x98\x83"});
    EXPECT_EQ(f.record.Nom, std::string(50, 'X'));
    EXPECT_EQ(f.record.Prenom, "?ukasz");
    EXPECT_EQ(f.record.Code, "1234567890");
    EXPECT_EQ(f.record.Notes, std::string(200, 'n'));
    EXPECT_EQ(f.notes.changedCharacters, 1u); // the snowman after the 200th character was cut, not changed
    EXPECT_EQ(f.notes.cut, (std::vector<F>{F::Nom, F::Code, F::Notes}));
}

// An escape sequence stored from a card would be replayed on the terminal by every listing.
TEST(VCardContact, ControlCharactersAreRemovedAndCounted)
{
    using namespace std::string_view_literals;
    const MappedFriend f = mapped({"N:Du\x1B[2Jpont;An\x0Bne", "NOTE:a\0b\tc"sv, "ADR:;;rue\x7F;Lyon\x1F;;;",
                                   "NOTE;ENCODING=QUOTED-PRINTABLE:second=1B"});
    EXPECT_EQ(f.record.Nom, "DU[2JPONT");
    EXPECT_EQ(f.record.Prenom, "Anne");
    EXPECT_EQ(f.record.Notes, "ab c");
    EXPECT_EQ(f.record.Adresse1, "rue");
    EXPECT_EQ(f.record.Ville, "Lyon");
    EXPECT_EQ(f.notes.controlCharacters, 6u); // ESC, VT, NUL, DEL, US, and the tab made a blank
    // Through quoted-printable too; line breaks become blanks as on every one-line field.
    EXPECT_EQ(mapped({"FN:A", "NOTE;ENCODING=QUOTED-PRINTABLE:a=1Bb=0D=0Ac=09d=C2=85"}).record.Notes, "ab c d");
}

TEST(VCardContact, CountsWhatTheCardHasNoPlaceFor)
{
    const NotKept notKept = mapped({"N:Dupont;Anne", "ORG:Acme", "TITLE:Boss", "ROLE:Chair", "PHOTO;VALUE=uri:x",
                                    "NICKNAME:Nanou", "CATEGORIES:Friends,Work", "URL:a", "URL;TYPE=home:b",
                                    "X-ANDROID-CUSTOM:vnd.android.cursor.item/nickname;Nan;1;;;;;;;;;;;;;",
                                    "ADR:;;a;;;;", "ADR:;;b;;;;", "ADR:;;;;;;"})
                                .notes.notKept;
    EXPECT_EQ(notKept.organisations, 1u);
    EXPECT_EQ(notKept.jobTitles, 2u);
    EXPECT_EQ(notKept.photos, 1u);
    EXPECT_EQ(notKept.nicknames, 2u);
    EXPECT_EQ(notKept.categories, 2u);
    EXPECT_EQ(notKept.webSites, 1u);
    EXPECT_EQ(notKept.addresses, 1u);
    EXPECT_EQ(notKept.counts(Language::English),
              "organisations 1, job titles 2, photos 1, nicknames 2, categories 2, other addresses 1, other web sites 1");
}

} // namespace
} // namespace zelmora
