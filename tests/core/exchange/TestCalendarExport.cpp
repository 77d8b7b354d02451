#include "core/data/DateText.h"
#include "core/exchange/CalendarWriter.h"

#include "support/Friends.h"

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

namespace zelmora {
namespace {

using F = FriendField;
constexpr std::string_view Empty = EmptyDateText;

std::unique_ptr<FriendTable> friendsWithDates()
{
    return test::makeTable({
        test::makeFriend("DUPONT", "Anne",
                         {{F::Anniversaire, "29/02/1980"}, {F::Fete, "14/07/    "}, {F::Date1, "12/06/2005"},
                          {F::Raison1, "Wedding anniversary"}, {F::Date2, "  /05/    "}}),
        test::makeFriend("MARTIN", "Luc",
                         {{F::Anniversaire, " 5/ 1/    "}, {F::Fete, Empty}, {F::Date1, Empty}, {F::Date2, "31/12/1999"}}),
        // A summary longer than a line, with characters to escape.
        test::makeFriend("ROUX", "Zo\xE9-Marguerite",
                         {{F::Anniversaire, "29/02/1981"}, {F::Fete, Empty}, {F::Date2, Empty}, {F::Date1, "20/08/2010"},
                          {F::Raison1, "Premi\xE8re rencontre \xE0 Montr\xE9" "al, Qu\xE9" "bec; l'\xE9t\xE9"}}),
    });
}

// "yyyy-mm-dd summary" for every day the calendar's rules give from 2027 to 2029, as
// libical reads and expands them.
std::multiset<std::string> daysFrom2027To2029(const std::string& calendar, std::set<std::string>& uids)
{
    std::multiset<std::string> days;
    std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> root(icalparser_parse_string(calendar.c_str()),
                                                                      icalcomponent_free);
    EXPECT_TRUE(root);
    EXPECT_EQ(icalcomponent_count_errors(root.get()), 0);
    for (icalcomponent* event = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
        uids.insert(icalcomponent_get_uid(event));
        const icaltimetype start = icalcomponent_get_dtstart(event);
        EXPECT_TRUE(start.is_date);
        const icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
        icalrecur_iterator* days_ = icalrecur_iterator_new(icalproperty_get_rrule(rule), start);
        for (icaltimetype day = icalrecur_iterator_next(days_); !icaltime_is_null_time(day) && day.year <= 2029;
             day = icalrecur_iterator_next(days_)) {
            if (day.year >= 2027) {
                char date[16];
                std::snprintf(date, sizeof date, "%04d-%02d-%02d ", day.year, day.month, day.day);
                days.insert(date + std::string(icalcomponent_get_summary(event)));
            }
        }
        icalrecur_iterator_free(days_);
    }
    return days;
}

std::multiset<std::string> yearly(std::string_view monthDay, const std::string& summary)
{
    std::multiset<std::string> days;
    for (const char* year : {"2027", "2028", "2029"}) {
        days.insert(std::string(year) + "-" + std::string(monthDay) + " " + summary);
    }
    return days;
}

TEST(CalendarExport, LibicalReadsItAndExpandsTheExpectedDays)
{
    const auto table = friendsWithDates();
    const CalendarText calendar = CalendarWriter(Language::English, {{2026, 12, 7}, 9, 30, 0}).write(*table);

    std::set<std::string> uids;
    const std::multiset<std::string> days = daysFrom2027To2029(calendar.bytes, uids);
    const std::string zoe = "Zo\xC3\xA9-Marguerite ROUX";
    const std::string meeting = "Premi\xC3\xA8re rencontre \xC3\xA0 Montr\xC3\xA9" "al, Qu\xC3\xA9" "bec; l'\xC3\xA9t\xC3\xA9 of " + zoe;
    std::multiset<std::string> expected = {
        "2027-02-28 Birthday of Anne DUPONT", "2028-02-29 Birthday of Anne DUPONT", "2029-02-28 Birthday of Anne DUPONT",
        "2027-02-28 Birthday of " + zoe, "2028-02-29 Birthday of " + zoe, "2029-02-28 Birthday of " + zoe};
    for (const auto& more : {yearly("07-14", "Saint's day of Anne DUPONT"),
                             yearly("06-12", "Wedding anniversary of Anne DUPONT"),
                             yearly("01-05", "Birthday of Luc MARTIN"), yearly("12-31", "Other Date of Luc MARTIN"),
                             yearly("08-20", meeting)}) {
        expected.insert(more.begin(), more.end());
    }
    EXPECT_EQ(days, expected);
    EXPECT_EQ(uids.size(), 7u);
    EXPECT_EQ(calendar.leftOut, 1u); // Anne's second date has no day
}

TEST(CalendarExport, LinesAreFoldedCrlfAndUidsStable)
{
    auto table = friendsWithDates();
    const std::string first = CalendarWriter(Language::French, {{2026, 12, 7}, 9, 30, 0}).write(*table).bytes;
    EXPECT_NE(first.find("SUMMARY:Anniversaire de Anne DUPONT\r\n"), std::string::npos);
    EXPECT_NE(first.find("Montr\xC3\xA9" "al\\, Qu\xC3\xA9" "bec\\; l'"), std::string::npos);
    std::size_t start = 0;
    for (std::size_t end = first.find("\r\n"); end != std::string::npos; end = first.find("\r\n", start)) {
        EXPECT_LE(end - start, 75u);
        EXPECT_EQ(first.substr(start, end - start).find('\n'), std::string::npos);
        start = end + 2;
    }
    EXPECT_EQ(start, first.size());

    // Another day, another language, one friend more: every UID of the first export is kept.
    (*table)[++table->FriendCount] = test::makeFriend("AAA", "", {{F::Anniversaire, "01/01/2000"}});
    table->SortFriends();
    const std::string second = CalendarWriter(Language::English, {{2027, 3, 1}, 8, 0, 0}).write(*table).bytes;
    std::set<std::string> before, after;
    daysFrom2027To2029(first, before);
    daysFrom2027To2029(second, after);
    EXPECT_TRUE(std::includes(after.begin(), after.end(), before.begin(), before.end()));
}

} // namespace
} // namespace zelmora
