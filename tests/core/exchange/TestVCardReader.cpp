#include "core/exchange/VCardReader.h"

#include "VCardText.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

using test::card;
using test::crlfLines;
using test::readCards;

const VCardProperty& only(const std::vector<VCard>& cards, std::string_view name)
{
    EXPECT_EQ(cards.size(), 1u);
    for (const VCardProperty& property : cards.at(0).properties) {
        if (property.name == name) {
            return property;
        }
    }
    static const VCardProperty none;
    ADD_FAILURE() << "no " << name;
    return none;
}

std::string utf16(std::string_view ascii, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii) {
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return bytes;
}

TEST(VCardReader, UnfoldsContinuationLinesOfEveryLineEnding)
{
    const std::string crlf = "BEGIN:VCARD\r\nNOTE:one two\r\n  three\r\n\tfour\r\nEND:VCARD\r\n";
    const std::string lf = "BEGIN:VCARD\nNOTE:one two\n  three\n\tfour\nEND:VCARD";
    const std::string cr = "BEGIN:VCARD\rNOTE:one two\r  three\r\tfour\rEND:VCARD\r";
    const std::string iphone = "BEGIN:VCARD\r\r\nNOTE:one two\r\r\n  three\r\r\n\tfour\r\r\nEND:VCARD\r\r\n";
    for (const std::string& file : {crlf, lf, cr, iphone}) {
        EXPECT_EQ(only(readCards(file), "NOTE").value, "one two threefour");
    }
}

TEST(VCardReader, EachPropertySaysWhereItIsWrittenFoldsAndLineEndIncluded)
{
    const std::string text = "BEGIN:VCARD\r\nNOTE:one\r\n two\r\nTEL:01\nEND:VCARD\r\n";
    const std::vector<VCard> cards = readCards(text);
    ASSERT_EQ(cards.size(), 1u);
    std::vector<std::string> written;
    for (const VCardProperty& property : cards[0].properties) {
        written.push_back(text.substr(property.start, property.end - property.start));
    }
    EXPECT_EQ(written, (std::vector<std::string>{"NOTE:one\r\n two\r\n", "TEL:01\n"}));
}

TEST(VCardReader, ReadsUtf16WithItsByteOrderMark)
{
    const std::string text = "BEGIN:VCARD\r\nFN:Ren\xC3\xA9\r\nEND:VCARD\r\n";
    for (const bool bigEndian : {false, true}) {
        std::string bytes = utf16("BEGIN:VCARD\r\nFN:Ren", bigEndian);
        bytes += bigEndian ? std::string("\x00\xE9", 2) : std::string("\xE9\x00", 2); // é
        bytes += utf16("\r\nEND:VCARD\r\n", bigEndian).substr(2);
        EXPECT_EQ(only(readCards(bytes), "FN").value, "Ren\xC3\xA9") << bigEndian;
    }
}

TEST(VCardReader, UndoesQuotedPrintableSoftBreaksAndCharset)
{
    // A 2.1 card as phones write it: Latin-1 bytes, a soft line break in the middle of a word,
    // and one before a line that starts with a blank, which belongs to the value.
    const std::string file = crlfLines({
        "BEGIN:VCARD", "VERSION:2.1",
        "N;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Ch=E2telain;H=E9l=E8ne",
        "NOTE;ENCODING=QUOTED-PRINTABLE;CHARSET=UTF-8:Caf=C3=A9 cr=C3=A8=",
        "me et =E2=82=AC=",
        " fin",
        "ADR;HOME;QUOTED-PRINTABLE:;;12 rue =3D Haute;Paris",
        "FN;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=93=FA=96=7B",
        "ORG;CHARSET=ISO-8859-2:\xA3\xF3" "d\xBC",
        "END:VCARD", "BEGIN:VCARD", "FN:Next", "END:VCARD"});
    const std::vector<VCard> cards = readCards(file);
    ASSERT_EQ(cards.size(), 2u);
    const auto& properties = cards[0].properties;
    ASSERT_EQ(properties.size(), 6u);
    EXPECT_EQ(properties[1].value, "Ch\xC3\xA2telain;H\xC3\xA9l\xC3\xA8ne");
    EXPECT_EQ(properties[2].value, "Caf\xC3\xA9 cr\xC3\xA8me et \xE2\x82\xAC fin");
    EXPECT_EQ(properties[3].value, ";;12 rue = Haute;Paris");
    EXPECT_TRUE(properties[3].hasType("home"));
    EXPECT_EQ(properties[4].value, "\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(properties[5].value, "\xC5\x81\xC3\xB3" "d\xC5\xBA");
}

TEST(VCardReader, SplitsGroupsParametersAndQuotedValues)
{
    const std::vector<VCard> cards = readCards(card({"item1.TEL;type=HOME,Cell;TYPE=\"voice,pref\";X-NOTE=\"a;b:c\":+33 1"}));
    const VCardProperty& tel = only(cards, "TEL");
    EXPECT_EQ(tel.group, "ITEM1");
    EXPECT_TRUE(tel.hasType("cell"));
    EXPECT_TRUE(tel.hasType("PREF"));
    EXPECT_FALSE(tel.hasType("fax"));
    EXPECT_EQ(tel.parameter("x-note"), "a;b:c");
    EXPECT_EQ(tel.value, "+33 1");
}

TEST(VCardReader, ReadsEveryCardAndSkipsNestedOnes)
{
    const std::string file = card({"FN:One"}) + "\r\n" + card({"FN:Two", "AGENT:", "BEGIN:VCARD", "FN:Agent",
                                                               "END:VCARD", "X-UNKNOWN;FOO=bar:kept"});
    const std::vector<VCard> cards = readCards("\xEF\xBB\xBF" + file);
    ASSERT_EQ(cards.size(), 2u);
    EXPECT_EQ(cards[1].properties.size(), 4u); // VERSION, FN, AGENT, X-UNKNOWN
    EXPECT_EQ(cards[1].properties[1].value, "Two");
}

TEST(VCardReader, TakesUndeclaredEightBitTextAsWindows1252)
{
    EXPECT_EQ(only(readCards(card({"FN:Ren\xE9"})), "FN").value, "Ren\xC3\xA9");
}

// One odd line costs that line, never the file: each is skipped and its number given.
TEST(VCardReader, SkipsLinesThatAreNoPropertyAndSaysWhere)
{
    const struct {
        std::string file;
        std::size_t cards;
        std::vector<std::size_t> skipped;
    } cases[] = {
        {"# exported by a phone\r\n" + card({"FN:A"}), 1, {1}},
        {card({"FN:A", "ADR:;;12 rue Haute\\", "B\xC3\xA2timent C;Lyon;;69001;France", "TEL:01"}), 1, {5}},
        {card({"FN:A", "X-BARE", "# note: with a colon", "=weird:value"}), 1, {4, 5, 6}},
        {card({"FN:A"}) + "FN:stray\r\n" + "END:VCARD\r\n" + card({"FN:B"}), 2, {5, 6}},
        // A card without END:VCARD ends where the next begins, or with the file.
        {"BEGIN:VCARD\r\nFN:A\r\n" + card({"FN:B"}) + "BEGIN:VCARD\r\nFN:C\r\n", 3, {}},
        // A 2.1 photo whose BASE64 lines are not folded, ended by an empty line.
        {card({"FN:A", "PHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQ", "SkZJRgABAQ==", "", "NOTE:after"}), 1, {}},
    };
    for (const auto& c : cases) {
        const FileText file = FileText::fromBytes(c.file);
        VCardReader reader(file);
        std::size_t cards = 0;
        while (reader.next()) {
            ++cards;
        }
        EXPECT_EQ(cards, c.cards) << c.file;
        EXPECT_EQ(reader.skippedLines().firstNumbers, c.skipped) << c.file;
    }
}

TEST(VCardReader, CountsEverySkippedLineButKeepsTheFirstNumbers)
{
    std::string file = "BEGIN:VCARD\r\n";
    for (int i = 0; i < 8; ++i) {
        file += "no colon\r\n";
    }
    const FileText text = FileText::fromBytes(file + "FN:A\r\nEND:VCARD\r\n");
    VCardReader reader(text);
    EXPECT_TRUE(reader.next());
    EXPECT_EQ(reader.skippedLines().count, 8u);
    EXPECT_EQ(reader.skippedLines().firstNumbers, (std::vector<std::size_t>{2, 3, 4, 5, 6}));
    EXPECT_TRUE(readCards("Hello, this is not a card\r\n").empty());
}

// The reading stays linear: quoted-printable soft breaks under a header whose colon is in
// quotes once made every joined line scan the whole line again.
TEST(VCardReader, SoftBreaksUnderAHeaderWithoutAColonAreNoValue)
{
    std::string file = "BEGIN:VCARD\r\nFN:A\r\nNOTE;ENCODING=QUOTED-PRINTABLE;X-A=\"b:c=\r\n";
    for (int i = 0; i < 2000; ++i) {
        file += "abcdefghij=\r\n";
    }
    const FileText text = FileText::fromBytes(file + "END:VCARD\r\n");
    VCardReader reader(text);
    const std::optional<VCard> read = reader.next();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->properties.size(), 1u);
    EXPECT_EQ(reader.skippedLines().count, 2001u);
}

TEST(VCardValues, ComponentsSplitOnlyAtUnescapedSeparators)
{
    EXPECT_EQ(vCardComponents("Dupont\\; fils;Anne\\, Marie;;"),
              (std::vector<std::string>{"Dupont; fils", "Anne, Marie", "", ""}));
    EXPECT_EQ(vCardComponents("Friends,Work\\,ish", ','), (std::vector<std::string>{"Friends", "Work,ish"}));
    EXPECT_EQ(unescapeVCardText("a\\nb\\Nc\\\\d C:\\temp\\"), "a\nb\nc\\d C:\\temp\\");
}

} // namespace
} // namespace zelmora
