#include "core/reminder/DatesList.h"

#include "core/data/ExchangeSort.h"

#include <array>

namespace zelmora {

namespace {

struct OccasionField {
    Occasion occasion;
    FriendField field;
    std::uint16_t label; // language pair
};

constexpr std::array<OccasionField, 4> Occasions = {{{Occasion::Birthday, FriendField::Anniversaire, lang::BirthdayOccasion},
                                                     {Occasion::SaintsDay, FriendField::Fete, lang::SaintsDayOccasion},
                                                     {Occasion::Date1, FriendField::Date1, lang::Date1},
                                                     {Occasion::Date2, FriendField::Date2, lang::Date2}}};

int daysInMonth(int month, int year)
{
    static constexpr std::array<int, 13> days = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(static_cast<std::uint16_t>(year)) ? 29 : days[month];
}

// Blanks or cut to exactly `width` characters.
void appendPadded(std::string& line, std::string_view text, std::size_t width)
{
    text = text.substr(0, width);
    line.append(text).append(width - text.size(), ' ');
}

} // namespace

std::string_view occasionLabel(Occasion occasion, Language language)
{
    return LangText(Occasions[static_cast<std::size_t>(occasion)].label, language);
}

DateKey WindowEndKey(LocalDate today, WatchWindow window)
{
    int year = today.year;
    int month = today.month;
    int day = today.day;
    if (window == WatchWindow::OneMonth) {
        ++month; // the same day next month, even a 31st of February: the key order copes
    } else {
        day += window == WatchWindow::TwoWeeks ? 14 : 7;
        if (day > daysInMonth(month, year)) {
            day -= daysInMonth(month, year);
            ++month;
        }
    }
    if (month == 13) {
        month = 1;
        ++year;
    }
    return MakeDateKey(year, month, day);
}

void DatesList::collect(const FriendTable& table, bool highlightToday, LeapDayRule leapDay)
{
    const std::int32_t today = DayNumber(TodayKey.view());
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        const TFriend& person = table[slot];
        for (const OccasionField& occasion : Occasions) {
            const std::string_view date = fieldText(person, occasion.field);
            const DateKey next = NextOccurrenceKey(date, TodayKey.view(), leapDay);
            if (next == TodayKey && highlightToday) {
                ShownInRed = true;
            }
            if (compareBytes(TodayKey.view(), next.view()) > 0 || compareBytes(next.view(), WindowEndKey.view()) > 0) {
                continue;
            }
            TDateEntry& entry = m_entries.emplace_back();
            entry.Nom = person.Nom;
            entry.Prenom = person.Prenom;
            entry.Date = KeyToDate(next.view());
            entry.Age = AgeInYears(DateToKey(date).view(), next.view());
            entry.Days = static_cast<std::uint16_t>(DayNumber(next.view()) - today);
            entry.occasion = occasion.occasion;
            entry.FriendIndex = slot;
            const std::int32_t year = TextToNum(date.substr(std::min<std::size_t>(6, date.size()), 4));
            entry.YearKnown = year != 0 && year <= TextToNum(next.view().substr(0, 4)); // no age before birth
        }
    }
    DateEntryCount = static_cast<std::uint16_t>(m_entries.size());
}

void DatesList::BuildDatesList(const FriendTable& table, const DisplayOptions& options, LocalDate today,
                               LeapDayRule leapDay)
{
    m_entries.clear();
    DateEntryCount = 0;
    ShownInRed = false;
    TodayKey = MakeDateKey(today.year, today.month, today.day);
    WindowEndKey = zelmora::WindowEndKey(today, options.watchWindow);
    collect(table, options.todayColour == TodayColour::Red, leapDay);
    if (options.sortOrder == SortOrder::ByDate) {
        SortDatesByDate();
    } else {
        SortDatesByPerson();
    }
}

// The exchange sort numbers its slots from 1, as the list does.
struct OneBased {
    std::vector<TDateEntry>& entries;
    TDateEntry& operator[](std::uint16_t slot) { return entries[slot - 1u]; }
};

void DatesList::SortDatesByPerson()
{
    OneBased slots{m_entries};
    exchangeSort(
        slots, DateEntryCount, [](const TDateEntry& e) { return keyPrefix(e.Nom.view(), e.Prenom.view()); },
        [](const TDateEntry& a, const TDateEntry& b) {
            return compareJoined(a.Nom.view(), a.Prenom.view(), b.Nom.view(), b.Prenom.view()) < 0;
        });
    m_order = SortOrder::ByPerson;
}

void DatesList::SortDatesByDate()
{
    OneBased slots{m_entries};
    exchangeSort(
        slots, DateEntryCount, [](const TDateEntry& e) { return keyPrefix(DateToKey(e.Date.view()).view()); },
        [](const TDateEntry& a, const TDateEntry& b) {
            return compareBytes(DateToKey(a.Date.view()).view(), DateToKey(b.Date.view()).view()) < 0;
        });
    m_order = SortOrder::ByDate;
}

std::string FormatDateLine(const TDateEntry& entry, SortOrder order, ExtraInfo extra, Language language)
{
    const std::string_view date = entry.Date.view();
    std::string shortDate(date.substr(0, 6));
    shortDate.append(date.substr(std::min<std::size_t>(8, date.size()), 2));

    std::string person(entry.Nom.view());
    person.append(" ").append(entry.Prenom.view());
    person.resize(27, ' ');

    std::string line;
    line.reserve(64);
    if (order == SortOrder::ByDate) {
        line.append(shortDate).append(" ").append(person);
    } else {
        line.append(person).append(shortDate).append(" ");
    }
    appendPadded(line, occasionLabel(entry.occasion, language).substr(0, 12), 13); // a 12-character reason column

    // A date typed without a year has no age to show.
    if (extra == ExtraInfo::Age && entry.YearKnown) {
        line.append("(").append(NumToText(entry.Age)).append(LangText(lang::YearsSuffix, language));
    } else if (extra == ExtraInfo::Countdown) {
        const std::uint16_t suffix = entry.Days == 1 ? lang::DaySuffix : lang::DaysSuffix;
        line.append("(").append(NumToText(entry.Days)).append(LangText(suffix, language));
    }
    return line.substr(0, 200);
}

} // namespace zelmora
