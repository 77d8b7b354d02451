#include "core/exchange/CalendarWriter.h"

#include "core/base/Cp1252.h"
#include "core/data/FriendDates.h"
#include "core/exchange/CalendarDay.h"
#include "core/exchange/ContentLines.h"
#include "core/exchange/FriendCard.h"
#include "core/exchange/FriendUid.h"

#include <cstdio>

namespace zelmora {

namespace {

// A day without a year starts in a leap year, so that 29 February has a first day too.
constexpr int YearOfDayWithoutYear = 2000;

// When a calendar program shows an alarm on the day itself.
constexpr std::string_view AlarmOnTheDay = "PT9H";

class EventWriter {
public:
    EventWriter(std::string& out, Language language, const UtcDateTime& stamp, const ReminderPlan& plan)
        : m_out(out), m_language(language), m_plan(plan)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", stamp.date.year, stamp.date.month,
                      stamp.date.day, stamp.hour, stamp.minute, stamp.second);
        m_stamp = text;
    }

    // Writes the friend's events; returns how many dates could not make a day.
    std::size_t writeFriend(const TFriend& f, const std::string& uidStem)
    {
        std::size_t leftOut = 0;
        for (const FriendDate& kind : FriendDates) {
            const std::string_view date = fieldText(f, kind.field);
            if (date == EmptyDateText || date.empty()) {
                continue;
            }
            const std::optional<CalendarDay> day = CalendarDay::fromDateText(date);
            if (!day) {
                ++leftOut;
                continue;
            }
            writeEvent(*day, kind.field, summary(f, kind.field), uidStem + "-" + std::string(kind.tag) + "@zelmora");
        }
        return leftOut;
    }

private:
    std::string summary(const TFriend& f, FriendField date) const
    {
        std::string reason;
        if (date == FriendField::Anniversaire || date == FriendField::Fete) {
            reason = LangText(date == FriendField::Anniversaire ? lang::BirthdayOf : lang::SaintsDayOf, m_language);
        } else {
            const std::string_view given = date == FriendField::Date1 ? f.Raison1.view() : f.Raison2.view();
            reason = given.empty() ? LangText(lang::OtherDate, m_language) : given;
            reason += LangText(lang::ReasonOf, m_language);
        }
        return reason + formattedName(f);
    }

    void writeEvent(const CalendarDay& day, FriendField date, const std::string& summaryText, const std::string& uid)
    {
        const bool startsInItsYear = day.year && day.existsIn(*day.year);
        const std::string summaryLine = escapeContentText(cp1252::toUtf8(summaryText));
        line("BEGIN:VEVENT");
        line("UID:" + escapeContentText(uid));
        line("DTSTAMP:" + m_stamp);
        line("DTSTART;VALUE=DATE:" + day.toBasicDate(startsInItsYear ? *day.year : YearOfDayWithoutYear));
        line("DURATION:P1D");
        line(yearlyRule(day));
        line("SUMMARY:" + summaryLine);
        if (date == FriendField::Anniversaire && day.year) {
            line("DESCRIPTION:" + escapeContentText(cp1252::toUtf8(LangTextFilled(lang::BornIn, m_language,
                                                                                    {NumToText(*day.year)}))));
        }
        line("TRANSP:TRANSPARENT");
        for (const std::uint16_t daysBefore : m_plan.forDate(date)) {
            line("BEGIN:VALARM");
            line("ACTION:DISPLAY");
            line("TRIGGER:" + (daysBefore == 0 ? std::string(AlarmOnTheDay) : "-P" + NumToText(daysBefore) + "D"));
            line("DESCRIPTION:" + summaryLine);
            line("END:VALARM");
        }
        line("END:VEVENT");
    }

    // 29 February comes back where the plan celebrates it in common years: the 60th day
    // of the year is 29 February in a leap year and 1 March in the others.
    std::string yearlyRule(const CalendarDay& day) const
    {
        if (day.month != 2 || day.day != 29) {
            return "RRULE:FREQ=YEARLY";
        }
        return m_plan.leapDay == LeapDayRule::MarchFirst ? "RRULE:FREQ=YEARLY;BYYEARDAY=60"
                                                         : "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1";
    }

    void line(std::string_view text) { appendContentLine(m_out, text); }

    std::string& m_out;
    Language m_language;
    const ReminderPlan& m_plan;
    std::string m_stamp;
};

} // namespace

CalendarText CalendarWriter::write(const FriendTable& table) const
{
    CalendarText calendar;
    appendContentLine(calendar.bytes, "BEGIN:VCALENDAR");
    appendContentLine(calendar.bytes, "VERSION:2.0");
    appendContentLine(calendar.bytes, "PRODID:-//Zelmora//Zelmora 3.0//EN");
    appendContentLine(calendar.bytes, "CALSCALE:GREGORIAN");
    EventWriter events(calendar.bytes, m_language, m_stamp, m_plan);
    const FriendUids uids(table);
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        calendar.leftOut += events.writeFriend(table[slot], uids.stem(slot));
    }
    appendContentLine(calendar.bytes, "END:VCALENDAR");
    return calendar;
}

} // namespace zelmora
