#pragma once
// Compares an export with a hand-written expected file line by line. Expected files are
// kept in UTF-8 with LF; the export must be Windows-1252 with CR LF.

#include "data/Cp1252.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zelmora::testing {

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
