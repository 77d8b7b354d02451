#include "core/exchange/CsvReader.h"

#include <gtest/gtest.h>

namespace zelmora {
namespace {

std::vector<CsvRecord> records(std::string_view text)
{
    CsvReader reader(text);
    std::vector<CsvRecord> all;
    while (std::optional<CsvRecord> record = reader.next()) {
        all.push_back(std::move(*record));
    }
    return all;
}

TEST(CsvReader, ReadsQuotedFieldsWithDelimitersQuotesAndLineBreaks)
{
    const std::vector<CsvRecord> expected = {
        {"Name", "Notes", "Empty"},
        {"Dupont, Anne", "says \"hello\"\nand more", ""},
        {"", "last", ""},
    };
    for (const std::string_view ending : {"\r\n", "\n", "\r", "\r\r\n"}) {
        std::string text = "Name,Notes,Empty";
        text.append(ending).append("\"Dupont, Anne\",\"says \"\"hello\"\"\nand more\",").append(ending);
        text.append(ending).append(",last,");
        EXPECT_EQ(records(text), expected);
        EXPECT_EQ(records(text + std::string(ending)), expected);
    }
}

TEST(CsvReader, TakesTheDelimiterOfTheHeaderRow)
{
    EXPECT_EQ(records("a;b;c\r\n1;\"2;3\";4\r\n"), (std::vector<CsvRecord>{{"a", "b", "c"}, {"1", "2;3", "4"}}));
    EXPECT_EQ(records("a\tb\r\n1,5\t2\r\n"), (std::vector<CsvRecord>{{"a", "b"}, {"1,5", "2"}}));
    // A quote inside an unquoted field, or text after a closing one, is kept as written.
    EXPECT_EQ(records("a,b\r\n5\" screen,\"x\"y\r\n"), (std::vector<CsvRecord>{{"a", "b"}, {"5\" screen", "xy"}}));
}

TEST(CsvReader, AQuoteNeverClosedCostsOneLine)
{
    CsvReader reader("a,b\r\n\"open,1\r\nc,d\r\n\r\ne,f\r\n");
    std::vector<CsvRecord> read;
    while (std::optional<CsvRecord> record = reader.next()) {
        read.push_back(std::move(*record));
    }
    EXPECT_EQ(read, (std::vector<CsvRecord>{{"a", "b"}, {"c", "d"}, {"e", "f"}}));
    EXPECT_EQ(reader.skippedLines().count, 1u);
    EXPECT_EQ(reader.skippedLines().firstNumbers, std::vector<std::size_t>{2});
}

} // namespace
} // namespace zelmora
