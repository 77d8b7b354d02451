#include "core/exchange/ContactParser.h"
#include "core/exchange/ExchangeFiles.h"

#include "CsvText.h"
#include "VCardText.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zelmora {
namespace {

ParsedContacts parse(std::string_view bytes) { return ContactParser(Language::English).parse(bytes); }

std::string utf16LittleEndian(std::string_view utf8Ascii)
{
    std::string bytes = "\xFF\xFE";
    for (const char c : utf8Ascii) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

TEST(ContactParser, FindsTheFormatAndTheEncodingFromTheText)
{
    const std::string csv = test::csvFile(test::ThunderbirdHeader, {test::csvRow(test::ThunderbirdHeader, {{"Last Name", "Ren\xE9"}})});
    const std::string utf8Csv = test::csvFile(test::ThunderbirdHeader, {test::csvRow(test::ThunderbirdHeader, {{"Last Name", "Ren\xC3\xA9"}})});
    const struct {
        std::string bytes;
        std::string_view nom;
    } cases[] = {
        {test::card({"N:Ren\xC3\xA9"}), "REN\xC9"},
        {csv, "REN\xC9"},                       // Windows-1252
        {utf8Csv, "REN\xC9"},                   // UTF-8
        {"\xEF\xBB\xBF" + utf8Csv, "REN\xC9"},  // UTF-8 with its mark
        {utf16LittleEndian(test::card({"N:Rene"})), "RENE"},
        {utf16LittleEndian(test::csvFile(test::GoogleHeader, {test::csvRow(test::GoogleHeader, {{"Last Name", "Rene"}})})), "RENE"},
    };
    for (const auto& c : cases) {
        const ParsedContacts parsed = parse(c.bytes);
        ASSERT_EQ(parsed.friends.size(), 1u) << c.bytes;
        EXPECT_EQ(parsed.friends[0].record.Nom, c.nom) << c.bytes;
    }
}

TEST(ContactParser, RefusesFilesWithoutContactsAndSaysWhy)
{
    for (const std::string& bytes : {std::string(), std::string("Hello, world\r\n"), std::string("Name,Phone\r\nAnne,01\r\n"),
                                     std::string("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n")}) {
        const ParsedContacts parsed = parse(bytes);
        EXPECT_FALSE(parsed.status.ok) << bytes;
        EXPECT_EQ(parsed.status.message,
                  "This file holds no vCard and no CSV header row of Google Contacts, Outlook or Thunderbird.");
    }
    // A known header row without a record is a file of no contacts, not a wrong one.
    EXPECT_TRUE(parse(std::string(test::OutlookHeader) + "\r\n").status.ok);
}

TEST(ContactParser, TellsItsProgressAndStopsWhenCancelled)
{
    const std::string one = test::card({"FN:One"});
    const std::string two = test::card({"FN:Two"});
    const std::string file = one + two + test::card({"FN:Three"});
    std::vector<std::size_t> done;
    std::atomic<bool> cancel = false;
    ImportProgress progress;
    progress.advanced = [&](std::size_t read, std::size_t total) {
        EXPECT_EQ(total, file.size());
        done.push_back(read);
        cancel = done.size() == 2;
    };
    progress.cancel = &cancel;
    const ParsedContacts parsed = ContactParser(Language::French).parse(file, progress);
    EXPECT_EQ(done, (std::vector<std::size_t>{one.size(), one.size() + two.size()}));
    EXPECT_TRUE(parsed.cancelled);
    EXPECT_TRUE(parsed.friends.empty());
    EXPECT_EQ(parsed.status.message, "Import annul\xE9 ; rien n'a \xE9t\xE9 modifi\xE9.");
}

TEST(ContactParser, KeepsAtMostTenTablesOfContacts)
{
    std::string file;
    for (std::size_t n = 0; n < ContactParser::MaxContacts + 3; ++n) {
        file += "BEGIN:VCARD\nFN:A\nEND:VCARD\n";
    }
    const ParsedContacts parsed = parse(file);
    EXPECT_EQ(parsed.friends.size(), ContactParser::MaxContacts);
    EXPECT_EQ(parsed.report.beyondLimit, 3u);
    EXPECT_EQ(parsed.report.details(Language::English).back(),
              "Contacts beyond the first 10000 of the file, left out: 3");
}

// A file no table of 1000 friends needs is refused before it is read.
TEST(ContactParser, RefusesAFileLargerThanAnyAddressBook)
{
    test::TempFolder folder;
    const auto file = folder / "huge.vcf";
    std::ofstream(file, std::ios::binary) << test::card({"FN:A"});
    std::filesystem::resize_file(file, MaxContactFileBytes + 1);
    const ParsedContacts parsed = ReadContactFile(file, Language::English);
    EXPECT_FALSE(parsed.status.ok);
    EXPECT_NE(parsed.status.message.find("larger"), std::string::npos) << parsed.status.message;

    std::filesystem::resize_file(file, test::card({"FN:A"}).size());
    EXPECT_TRUE(ReadContactFile(file, Language::English).status.ok);
    EXPECT_NE(ReadContactFile(folder / "none.vcf", Language::English).status.message.find("none.vcf"), std::string::npos);
}

} // namespace
} // namespace zelmora
