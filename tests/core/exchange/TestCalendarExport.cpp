#include "core/data/DateText.h"
#include "core/exchange/CalendarWriter.h"

#include "support/Friends.h"

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
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

const UtcDateTime Stamp{{2026, 12, 7}, 9, 30, 0};

using Calendar = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

Calendar parsed(const std::string& calendar)
{
    Calendar root(icalparser_parse_string(calendar.c_str()), icalcomponent_free);
    EXPECT_TRUE(root);
    EXPECT_EQ(icalcomponent_count_errors(root.get()), 0);
    return root;
}

// Calls `visit` with every event of the calendar, as libical reads it.
template <class Visit>
void forEachEvent(const std::string& calendar, const Visit& visit)
{
    const Calendar root = parsed(calendar);
    for (icalcomponent* event = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
        visit(event);
    }
}

// "yyyy-mm-dd summary" for every day the calendar's rules give from 2027 to `lastYear`,
// as libical expands them.
std::multiset<std::string> daysFrom2027(const std::string& calendar, std::set<std::string>& uids, int lastYear = 2029)
{
    std::multiset<std::string> days;
    forEachEvent(calendar, [&](icalcomponent* event) {
        uids.insert(icalcomponent_get_uid(event));
        const icaltimetype start = icalcomponent_get_dtstart(event);
        EXPECT_TRUE(start.is_date);
        const icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
        icalrecur_iterator* days_ = icalrecur_iterator_new(icalproperty_get_rrule(rule), start);
        for (icaltimetype day = icalrecur_iterator_next(days_); !icaltime_is_null_time(day) && day.year <= lastYear;
             day = icalrecur_iterator_next(days_)) {
            if (day.year >= 2027) {
                char date[40];
                std::snprintf(date, sizeof date, "%04d-%02d-%02d ", day.year, day.month, day.day);
                days.insert(date + std::string(icalcomponent_get_summary(event)));
            }
        }
        icalrecur_iterator_free(days_);
    });
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

// The alarms of every event, as seconds from the start of its day, by summary.
std::map<std::string, std::vector<int>> alarmsBySummary(const std::string& calendar)
{
    std::map<std::string, std::vector<int>> alarms;
    forEachEvent(calendar, [&](icalcomponent* event) {
        std::vector<int>& triggers = alarms[icalcomponent_get_summary(event)];
        for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); alarm;
             alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
            EXPECT_EQ(icalproperty_get_action(icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)),
                      ICAL_ACTION_DISPLAY);
            EXPECT_STREQ(icalcomponent_get_description(alarm), icalcomponent_get_summary(event));
            const icaltriggertype trigger =
                icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY));
            triggers.push_back(icaldurationtype_as_int(trigger.duration));
        }
    });
    return alarms;
}

constexpr int Day = 24 * 3600;
constexpr int NineInTheMorning = 9 * 3600;

TEST(CalendarExport, LibicalReadsItAndExpandsTheExpectedDays)
{
    const auto table = friendsWithDates();
    const CalendarText calendar = CalendarWriter(Language::English, Stamp, ReminderPlan{}).write(*table);

    std::set<std::string> uids;
    const std::multiset<std::string> days = daysFrom2027(calendar.bytes, uids);
    const std::string zoe = "Zo\xC3\xA9-Marguerite ROUX";
    const std::string meeting = "Premi\xC3\xA8re rencontre \xC3\xA0 Montr\xC3\xA9" "al, Qu\xC3\xA9" "bec; l'\xC3\xA9t\xC3\xA9 of " + zoe;
    std::multiset<std::string> expected = {
        "2027-03-01 Birthday of Anne DUPONT", "2028-02-29 Birthday of Anne DUPONT", "2029-03-01 Birthday of Anne DUPONT",
        "2027-03-01 Birthday of " + zoe, "2028-02-29 Birthday of " + zoe, "2029-03-01 Birthday of " + zoe};
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

TEST(CalendarExport, TwentyNinthOfFebruaryFollowsTheRuleFrom2027To2032)
{
    const auto table = test::makeTable({test::makeFriend("DUPONT", "Anne", {{F::Anniversaire, "29/02/1980"}})});
    const auto birthdays = [&](LeapDayRule rule) {
        ReminderPlan plan;
        plan.leapDay = rule;
        std::set<std::string> uids;
        std::vector<std::string> days;
        for (const std::string& day : daysFrom2027(CalendarWriter(Language::English, Stamp, plan).write(*table).bytes,
                                                   uids, 2032)) {
            days.push_back(day.substr(0, 10));
        }
        return days;
    };
    EXPECT_EQ(birthdays(LeapDayRule::MarchFirst), (std::vector<std::string>{"2027-03-01", "2028-02-29", "2029-03-01",
                                                                             "2030-03-01", "2031-03-01", "2032-02-29"}));
    EXPECT_EQ(birthdays(LeapDayRule::FebruaryLast), (std::vector<std::string>{"2027-02-28", "2028-02-29", "2029-02-28",
                                                                               "2030-02-28", "2031-02-28", "2032-02-29"}));
}

TEST(CalendarExport, AnAlarmPerLeadTimeAndTheBirthYearInTheDescription)
{
    const auto table = friendsWithDates();
    ReminderPlan plan;
    plan.otherDates = leadTimes({1, 7, 30});
    plan.saintsDays = leadTimes({});
    const std::string calendar = CalendarWriter(Language::English, Stamp, plan).write(*table).bytes;
    const auto alarms = alarmsBySummary(calendar);
    EXPECT_EQ(alarms.at("Birthday of Anne DUPONT"), (std::vector<int>{NineInTheMorning, -7 * Day}));
    EXPECT_EQ(alarms.at("Saint's day of Anne DUPONT"), (std::vector<int>{}));
    EXPECT_EQ(alarms.at("Other Date of Luc MARTIN"), (std::vector<int>{-Day, -7 * Day, -30 * Day}));

    std::map<std::string, std::string> descriptions;
    forEachEvent(calendar, [&](icalcomponent* event) {
        const char* description = icalcomponent_get_description(event);
        descriptions[icalcomponent_get_summary(event)] = description ? description : "";
    });
    EXPECT_EQ(descriptions.at("Birthday of Anne DUPONT"), "born 1980");
    EXPECT_EQ(descriptions.at("Birthday of Luc MARTIN"), ""); // no year
    EXPECT_EQ(descriptions.at("Wedding anniversary of Anne DUPONT"), ""); // not a birth
    const std::string french = CalendarWriter(Language::French, Stamp, plan).write(*table).bytes;
    EXPECT_NE(french.find("\r\nDESCRIPTION:n\xC3\xA9(e) en 1981\r\n"), std::string::npos);
}

TEST(CalendarExport, TheStampIsUniversalTime)
{
    const auto table = test::makeTable({test::makeFriend("DUPONT", "Anne", {{F::Anniversaire, "01/05/1980"}})});
    const std::string calendar =
        CalendarWriter(Language::English, UtcDateTime{{2026, 12, 6}, 19, 5, 9}, ReminderPlan{}).write(*table).bytes;
    EXPECT_NE(calendar.find("\r\nDTSTAMP:20261206T190509Z\r\n"), std::string::npos) << calendar;
}

TEST(CalendarExport, DeletingOneOfTwoNamesakesLeavesTheOthersEventsAlone)
{
    auto table = test::makeTable({test::makeFriend("DUPONT", "Jean", {{F::Anniversaire, "05/01/1980"}}),
                                  test::makeFriend("DUPONT", "Jean", {{F::Anniversaire, "17/09/1975"}, {F::Fete, "24/06/    "}})});
    const auto uidsOfSeptember = [](const std::string& calendar) {
        std::set<std::string> found;
        forEachEvent(calendar, [&](icalcomponent* event) {
            if (icalcomponent_get_dtstart(event).month != 1) {
                found.insert(icalcomponent_get_uid(event));
            }
        });
        return found;
    };
    const std::set<std::string> before =
        uidsOfSeptember(CalendarWriter(Language::English, Stamp, ReminderPlan{}).write(*table).bytes);
    ASSERT_EQ(before.size(), 2u);
    table->DeleteFriend(1);
    const std::string after = CalendarWriter(Language::English, Stamp, ReminderPlan{}).write(*table).bytes;
    EXPECT_EQ(uidsOfSeptember(after), before);
    std::set<std::string> all;
    daysFrom2027(after, all);
    EXPECT_EQ(all, before); // nothing of the deleted friend is left, nothing taken over
}

TEST(CalendarExport, LinesAreFoldedCrlfAndUidsStable)
{
    auto table = friendsWithDates();
    const std::string first = CalendarWriter(Language::French, Stamp, ReminderPlan{}).write(*table).bytes;
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
    const std::string second =
        CalendarWriter(Language::English, UtcDateTime{{2027, 3, 1}, 8, 0, 0}, ReminderPlan{}).write(*table).bytes;
    std::set<std::string> before, after;
    daysFrom2027(first, before);
    daysFrom2027(second, after);
    EXPECT_TRUE(std::includes(after.begin(), after.end(), before.begin(), before.end()));
}

} // namespace
} // namespace zelmora
