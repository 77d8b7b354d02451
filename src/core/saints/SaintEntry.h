#pragma once
// One line of a country's saints' calendar, as the build makes it from the country's data
// file (data/saints-<country>.tsv) into a table compiled into the program.

#include "core/base/Cp1252Literal.h"
#include "core/data/MonthDay.h"

#include <span>

namespace zelmora {

struct SaintEntry {
    MonthDay day;
    Cp1252Literal<32> name; // as the calendar spells it
};

// The generated tables, one per country.
std::span<const SaintEntry> frenchSaintEntries();

} // namespace zelmora
