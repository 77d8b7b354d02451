#include "core/reminder/DatesList.h"

#include "core/data/ExchangeSort.h"

namespace zelmora {

namespace {

struct Occasion {
    FriendField field;
    std::uint16_t label; // language pair
};

constexpr std::array<Occasion, 4> Occasions = {{{FriendField::Anniversaire, lang::BirthdayOccasion},
                                                {FriendField::Fete, lang::SaintsDayOccasion},
                                                {FriendField::Date1, lang::Date1},
                                                {FriendField::Date2, lang::Date2}}};

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

DateKey WindowEndKey(LocalDate today, std::uint8_t surveillance)
{
    int year = today.year;
    int month = today.month;
    int day = today.day;
    if (surveillance == 0) {
        ++month; // the same day next month, even a 31st of February: the key order copes
    } else {
        day += surveillance == 1 ? 14 : 7;
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

void DatesList::collect(const FriendTable& table, Language language, bool highlightToday)
{
    const std::int32_t today = DayNumber(TodayKey.view());
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        const TFriend& person = table[slot];
        for (const Occasion& occasion : Occasions) {
            const std::string_view date = fieldText(person, occasion.field);
            const DateKey next = NextOccurrenceKey(date, TodayKey.view());
            if (next == TodayKey && highlightToday) {
                ShownInRed = true;
            }
            if (compareBytes(TodayKey.view(), next.view()) > 0 || compareBytes(next.view(), WindowEndKey.view()) > 0) {
                continue;
            }
            TDateEntry& entry = (*m_entries)[++DateEntryCount];
            entry.Nom = person.Nom;
            entry.Prenom = person.Prenom;
            entry.Date = KeyToDate(next.view());
            entry.Age = AgeInYears(DateToKey(date).view(), next.view());
            entry.Days = static_cast<std::uint16_t>(DayNumber(next.view()) - today);
            entry.Reason.assign(LangText(occasion.label, language));
            entry.FriendIndex = slot;
            const std::int32_t year = TextToNum(date.substr(std::min<std::size_t>(6, date.size()), 4));
            entry.YearKnown = year != 0 && year <= TextToNum(next.view().substr(0, 4)); // no age before birth
        }
    }
}

void DatesList::BuildDatesList(const FriendTable& table, const DisplayOptions& options, const Clock& clock,
                               Language language, DatesListBox& box)
{
    DateEntryCount = 0;
    if (table.FriendCount > 0) {
        const LocalDate today = clock.today();
        TodayKey = MakeDateKey(today.year, today.month, today.day);
        WindowEndKey = zelmora::WindowEndKey(today, options.Surveillance);
        ShownInRed = false;
        collect(table, language, options.RadioGroup2 == 0);
    }
    if (options.Classement == 0) {
        SortDatesByDate(options.RadioGroup3, language, box);
    } else {
        SortDatesByPerson(options.RadioGroup3, language, box);
    }
}

void DatesList::SortDatesByPerson(std::uint8_t optionalInformation, Language language, DatesListBox& box)
{
    exchangeSort(
        *m_entries, DateEntryCount, [](const TDateEntry& e) { return keyPrefix(e.Nom.view(), e.Prenom.view()); },
        [](const TDateEntry& a, const TDateEntry& b) {
            return compareJoined(a.Nom.view(), a.Prenom.view(), b.Nom.view(), b.Prenom.view()) < 0;
        });
    FillDatesListBox(LineOrder::PersonFirst, optionalInformation, language, box);
}

void DatesList::SortDatesByDate(std::uint8_t optionalInformation, Language language, DatesListBox& box)
{
    exchangeSort(
        *m_entries, DateEntryCount, [](const TDateEntry& e) { return keyPrefix(DateToKey(e.Date.view()).view()); },
        [](const TDateEntry& a, const TDateEntry& b) {
            return compareBytes(DateToKey(a.Date.view()).view(), DateToKey(b.Date.view()).view()) < 0;
        });
    FillDatesListBox(LineOrder::DateFirst, optionalInformation, language, box);
}

void DatesList::FillDatesListBox(LineOrder order, std::uint8_t optionalInformation, Language language,
                                 DatesListBox& box) const
{
    box.clear();
    for (std::uint16_t entry = 1; entry <= DateEntryCount; ++entry) {
        box.addLine(FormatDateLine((*m_entries)[entry], order, optionalInformation, language));
    }
}

std::string FormatDateLine(const TDateEntry& entry, DatesList::LineOrder order, std::uint8_t optionalInformation,
                           Language language)
{
    const std::string_view date = entry.Date.view();
    std::string shortDate(date.substr(0, 6));
    shortDate.append(date.substr(std::min<std::size_t>(8, date.size()), 2));

    std::string person(entry.Nom.view());
    person.append(" ").append(entry.Prenom.view());
    person.resize(27, ' ');

    std::string line;
    line.reserve(64);
    if (order == DatesList::LineOrder::DateFirst) {
        line.append(shortDate).append(" ").append(person);
    } else {
        line.append(person).append(shortDate).append(" ");
    }
    appendPadded(line, entry.Reason.view(), 13);

    // A date typed without a year has no age to show.
    if (optionalInformation == 0 && entry.YearKnown) {
        line.append("(").append(NumToText(entry.Age)).append(LangText(lang::YearsSuffix, language));
    } else if (optionalInformation == 1) {
        line.append("(").append(NumToText(entry.Days)).append(LangText(lang::DaysSuffix, language));
    }
    return line.substr(0, 200);
}

} // namespace zelmora
