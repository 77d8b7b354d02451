#pragma once
// Compares an export with a hand-written expected file line by line. Expected files are
// kept in UTF-8 with LF; the export must be Windows-1252 with CR LF.

#include "core/base/Cp1252.h"
#include "core/data/FriendTable.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zelmora::testing {

// A friend with every field filled in, French accents and characters HTML must escape.
inline void storeDupont(FriendTable& table, std::uint16_t slot)
{
    table.StoreCard(slot, {"DUPONT & Fils", "J\xE9r\xF4me", "12 rue des Lilas", "B\xE2timent B", "75011", "Paris",
                           "\xCEle-de-France", "France", "01 23 45 67 89", "06 12 34 56 78", "14/07/1975", "30/09/    ",
                           "01/05/2000", "Mariage <civil>", "  /  /    ", "", "http://www.dupont.example/?a=1&b=2",
                           "jerome@dupont.example", "Aime le caf\xE9 & les <b>croissants</b> \"chauds\""});
}

inline std::vector<std::string> expectedLines(const std::string& name)
{
    std::ifstream in(std::string(ZELMORA_TEST_DATA) + "/export/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The lines of an export, in UTF-8; fails the test on a line not ended by CR LF.
inline std::vector<std::string> exportedLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the last line has no CR LF: " << bytes.substr(start);
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "a lone CR or LF in line " << lines.size() + 1;
        lines.push_back(cp1252::toUtf8(line));
        start = end + 2;
    }
    return lines;
}

inline void expectSameLines(const std::string& exportBytes, const std::string& expectedFile)
{
    const std::vector<std::string> actual = exportedLines(exportBytes);
    const std::vector<std::string> expected = expectedLines(expectedFile);
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << expectedFile << ", line " << i + 1;
    }
    EXPECT_EQ(actual.size(), expected.size()) << expectedFile;
}

} // namespace zelmora::testing
