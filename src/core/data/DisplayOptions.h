#pragma once
// The five display options kept in the database header: item indexes of the main
// window's option groups.

#include <cstdint>

namespace zelmora {

struct DisplayOptions {
    std::uint8_t Classement = 0;   // dates sorted 0 by date, 1 by person
    std::uint8_t Surveillance = 0; // watch window 0 one month, 1 two weeks, 2 one week
    std::uint8_t RadioGroup1 = 0;  // export 0 save only, 1 save and open
    std::uint8_t RadioGroup2 = 0;  // a date today 0 turns the list red, 1 leaves it black
    std::uint8_t RadioGroup3 = 0;  // extra column 0 age, 1 countdown, 2 nothing

    friend bool operator==(const DisplayOptions&, const DisplayOptions&) = default;
};

} // namespace zelmora
