#include "core/sync/CardPatch.h"

#include "support/Friends.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using F = FriendField;

std::string lines(std::initializer_list<std::string_view> properties)
{
    std::string text = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    for (const std::string_view line : properties) {
        text.append(line).append("\r\n");
    }
    return text + "END:VCARD\r\n";
}

ServerCard read(const std::string& text) { return *ServerCard::read(text, Language::English); }

// The friend the card makes, with `changes` made to it.
TFriend changed(const ServerCard& card, std::initializer_list<std::pair<F, std::string_view>> changes)
{
    TFriend f = card.mapped.record;
    for (const auto& [field, value] : changes) {
        fieldRef(f, field).assign(value);
    }
    return f;
}

const std::string Photo = "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQEASABIAAD/2wBDAAMCAgMCAgMDAwMEAwMEBQgFBQQEBQoHBwYIDAoMDAsKCwsNDhIQDQ4RDgsLEBYQERMUFRUVDA8XGBYUGBIUFRT/\r\n"
                          " 2wBDAQMEBAUEBQkFBQkUDQsNFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBQUFBT/wAARCAABAAEDASIA";

TEST(CardPatch, ReplacesOnlyTheChangedPartsAndKeepsEveryOtherLineByteForByte)
{
    const struct {
        const char* what;
        std::initializer_list<std::string_view> card;
        std::initializer_list<std::pair<F, std::string_view>> changes;
        std::vector<CardPart> parts;
        std::initializer_list<std::string_view> expected;
    } cases[] = {
        {"a work phone stays one",
         {"FN:Anne Dupont", "N:Dupont;Anne;;;", "TEL;TYPE=WORK,VOICE:01 11", "TEL;TYPE=CELL:06 66", "ORG:ACME;Sales"},
         {{F::Telephone, "01 22"}},
         {CardPart::Phone},
         {"FN:Anne Dupont", "N:Dupont;Anne;;;", "TEL;TYPE=WORK,VOICE:01 22", "TEL;TYPE=CELL:06 66", "ORG:ACME;Sales"}},
        {"a name keeps its prefix and suffix; FN follows",
         {"N:Dupont;Anne;Marie;Dr.;", "FN:Dr. Anne Marie Dupont", "NICKNAME:Nan"},
         {{F::Nom, "MARTIN"}},
         {CardPart::Names},
         {"N:MARTIN;Anne;Marie;Dr.;", "FN:Anne MARTIN", "NICKNAME:Nan"}},
        {"an address is written in its place, without the label of the old one",
         {"FN:A", "ADR;TYPE=HOME;LABEL=\"1 rue, Lyon\":;;1 rue;Lyon;;69001;France", "TEL:01"},
         {{F::Adresse1, "2 avenue"}, {F::Ville, "Paris"}, {F::Code, "75001"}},
         {CardPart::Address},
         {"FN:A", "ADR;TYPE=HOME:;;2 avenue;Paris;;75001;France", "TEL:01"}},
        {"an emptied part loses its property",
         {"FN:A", "TEL;TYPE=VOICE:01", "TEL;TYPE=FAX:02"},
         {{F::Telephone, ""}},
         {CardPart::Phone},
         {"FN:A", "TEL;TYPE=FAX:02"}},
        {"a part the card lacked comes before its end",
         {"FN:A", "N:A;;;;"},
         {{F::Portable, "06 12"}, {F::Notes, "Line; with, specials"}},
         {CardPart::Mobile, CardPart::Notes},
         {"FN:A", "N:A;;;;", "TEL;TYPE=cell:06 12", "NOTE:Line\\; with\\, specials"}},
        {"a labelled date is written anew where it stood, its label with it",
         {"FN:A", "item1.X-ABDATE:2001-09-03", "item1.X-ABLabel:School", "URL:http://a.example"},
         {{F::Date1, "04/09/2002"}, {F::Raison1, "College"}},
         {CardPart::OtherDate1},
         {"FN:A", "date1.X-ABDATE:2002-09-04", "date1.X-ABLabel:College", "URL:http://a.example"}},
        {"a birthday without a year, as 3.0 can say it",
         {"FN:A", "BDAY:1980-01-05", "NOTE:n"},
         {{F::Anniversaire, "05/01/    "}},
         {CardPart::Birthday},
         {"FN:A", "BDAY;X-APPLE-OMIT-YEAR=1604:1604-01-05", "NOTE:n"}},
        {"an organisation's name is its organisation",
         {"ORG:ACME;Sales", "FN:ACME", "X-ABShowAs:COMPANY"},
         {{F::Nom, "ACME EUROPE"}},
         {CardPart::Names},
         {"ORG:ACME EUROPE;Sales", "FN:ACME EUROPE", "X-ABShowAs:COMPANY"}},
        {"a card of nothing but its version",
         {},
         {{F::Nom, "DUPONT"}},
         {CardPart::Names},
         {"FN:DUPONT", "N:DUPONT;;;;"}},
        {"a value once quoted-printable is written plainly",
         {"FN:A", "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=ISO-8859-1:caf=E9"},
         {{F::Notes, "th\xE9"}},
         {CardPart::Notes},
         {"FN:A", "NOTE:th\xC3\xA9"}},
    };
    for (const auto& c : cases) {
        const ServerCard card = read(lines(c.card));
        const TFriend target = changed(card, c.changes);
        const std::string patched = patchCard(card, target, c.parts, Language::English);
        EXPECT_EQ(patched, lines(c.expected)) << c.what;
        for (const CardPart part : c.parts) {
            EXPECT_TRUE(samePart(part, read(patched).mapped.record, target)) << c.what;
        }
    }
}

TEST(CardPatch, ACardCutShortGetsItsLinesOnLinesOfTheirOwn)
{
    const ServerCard card = read("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A");
    const std::string patched = patchCard(card, changed(card, {{F::Telephone, "01"}}), {CardPart::Phone}, Language::English);
    EXPECT_EQ(patched, "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:A\r\nTEL;TYPE=voice:01\r\n");
    EXPECT_EQ(read(patched).mapped.record.Telephone, "01");
}

TEST(CardPatch, APhotoAndAFoldedLineComeBackWholeAndLineEndsStayTheCards)
{
    const std::string crlf = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anne Dupont\r\nN:Dupont;Anne;;;\r\n" + Photo
                           + "\r\nORG:ACME\r\nTEL;TYPE=HOME:01\r\nEND:VCARD\r\n";
    std::string lf = crlf;
    std::erase(lf, '\r');
    for (const bool crlfCard : {true, false}) {
        const std::string& text = crlfCard ? crlf : lf;
        const ServerCard card = read(text);
        const std::string patched =
            patchCard(card, changed(card, {{F::Telephone, "02"}, {F::Ville, "Lyon"}}), {CardPart::Phone, CardPart::Address},
                      Language::English);
        std::string expected = text;
        expected.replace(expected.find("TEL;TYPE=HOME:01"), 16, "TEL;TYPE=HOME:02");
        expected.insert(expected.find("END:VCARD"), crlfCard ? "ADR:;;;Lyon;;;\r\n" : "ADR:;;;Lyon;;;\n");
        EXPECT_EQ(patched, expected);
    }
}

} // namespace
} // namespace zelmora
