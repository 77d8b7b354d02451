#pragma once
// The reminder: every birthday, saint's day and other date whose next yearly occurrence
// falls between today and the end of the watch window, sorted by date or by person and
// written as fixed-width lines.

#include "core/data/DateText.h"
#include "core/data/DisplayOptions.h"
#include "core/data/FriendTable.h"
#include "core/platform/Clock.h"
#include "core/base/LangText.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zelmora {

struct TDateEntry {
    ShortText<50> Nom;
    ShortText<50> Prenom;
    DateText Date;          // the occurrence, "dd/mm/yyyy"
    std::uint16_t Age = 0;  // years since the friend's date
    std::uint16_t Days = 0; // days from today to the occurrence
    ShortText<12> Reason;   // the occasion, in the language of the build
    std::uint16_t FriendIndex = 0;
    bool YearKnown = false; // the friend's date has a year, so Age means something
};

// Where the list lines go: the window's list box, or a terminal.
class DatesListBox {
public:
    virtual ~DatesListBox() = default;
    virtual void clear() = 0;
    virtual void addLine(std::string_view line) = 0;
};

// The last day of the watch window that starts `today`, as a date key.
DateKey WindowEndKey(LocalDate today, std::uint8_t surveillance);

class DatesList {
public:
    // Every friend's four dates can qualify.
    static constexpr std::uint16_t Capacity = 4 * FriendTable::Capacity;

    // The entries (about 0.5 MB) live on the heap, so a list is safe anywhere.
    DatesList() = default;
    DatesList(const DatesList&) = delete;
    DatesList& operator=(const DatesList&) = delete;

    enum class LineOrder { DateFirst, PersonFirst };

    // Entries 1 to DateEntryCount; line k - 1 of the list box shows entry k.
    const TDateEntry& operator[](std::uint16_t entry) const { return (*m_entries)[entry]; }
    std::uint16_t DateEntryCount = 0;
    DateKey TodayKey;
    DateKey WindowEndKey;
    // The list box's colour: red when a date falls today (and the option asks for it).
    bool ShownInRed = false;

    // Collects the dates in the window, sorts them by the Classement option and fills `box`.
    void BuildDatesList(const FriendTable& table, const DisplayOptions& options, const Clock& clock,
                        Language language, DatesListBox& box);
    void SortDatesByPerson(std::uint8_t optionalInformation, Language language, DatesListBox& box);
    void SortDatesByDate(std::uint8_t optionalInformation, Language language, DatesListBox& box);
    void FillDatesListBox(LineOrder order, std::uint8_t optionalInformation, Language language,
                          DatesListBox& box) const;

private:
    void collect(const FriendTable& table, Language language, bool highlightToday);

    using Entries = std::array<TDateEntry, Capacity + 1>;
    std::unique_ptr<Entries> m_entries = std::make_unique<Entries>();
};

// One line of the list (49 characters, then the optional "(n years)" or "(n days)").
std::string FormatDateLine(const TDateEntry& entry, DatesList::LineOrder order, std::uint8_t optionalInformation,
                           Language language);

} // namespace zelmora
