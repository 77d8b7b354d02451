#pragma once
// The lines of a file that could not be read and were passed over: how many, and the
// numbers of the first few, so that the user can find them.

#include <cstddef>
#include <vector>

namespace zelmora {

struct SkippedLines {
    static constexpr std::size_t NumbersKept = 5;

    std::size_t count = 0;
    std::vector<std::size_t> firstNumbers; // 1-based, at most NumbersKept

    void add(std::size_t lineNumber)
    {
        ++count;
        if (firstNumbers.size() < NumbersKept) {
            firstNumbers.push_back(lineNumber);
        }
    }
};

} // namespace zelmora
