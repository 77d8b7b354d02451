#pragma once
// A record of a known address book's CSV file as a contact: the columns its header row
// named, with Google's labels ("* Home", "Mobile", "Work Fax") saying what each value is
// for, several values in one cell split where Google joins them (" ::: "), and each
// program's birthdays read in its own form (Google "1980-01-05" or "--01-05", Outlook
// "1/5/1980", Thunderbird's year, month and day columns).

#include "core/exchange/Contact.h"
#include "core/exchange/CsvColumns.h"

namespace zelmora {

class CsvContact {
public:
    static Contact fromRecord(const CsvRecord& record, const CsvColumns& columns);
};

// A date as the CSV files of address books write it; nothing when it has no day and month.
std::optional<CalendarDay> csvDate(std::string_view text);

} // namespace zelmora
