#include "gui/app/DayWatcher.h"

namespace zelmora::gui {

namespace {

// Past midnight, so that a timer that fires a little early does not find the old day.
constexpr std::chrono::seconds AfterMidnight{1};

} // namespace

std::chrono::milliseconds timeToMidnight(const LocalDateTime& now)
{
    const std::chrono::seconds sinceMidnight =
        std::chrono::hours(now.hour) + std::chrono::minutes(now.minute) + std::chrono::seconds(now.second);
    return std::chrono::hours(24) - sinceMidnight + AfterMidnight;
}

DayWatcher::DayWatcher(const Clock& clock, QObject* parent) : QObject(parent), m_clock(clock)
{
    m_midnight.setSingleShot(true);
    m_midnight.setTimerType(Qt::PreciseTimer); // a coarse timer may be minutes late over a day
    m_everyMinute.setInterval(std::chrono::minutes(1));
    connect(&m_midnight, &QTimer::timeout, this, &DayWatcher::checkDay);
    connect(&m_everyMinute, &QTimer::timeout, this, &DayWatcher::checkDay);
}

void DayWatcher::start()
{
    m_day = m_clock.today();
    m_midnight.start(timeToMidnight(m_clock.now()));
    m_everyMinute.start();
}

void DayWatcher::checkDay()
{
    const LocalDateTime now = m_clock.now();
    m_midnight.start(timeToMidnight(now));
    if (now.date != m_day) {
        m_day = now.date;
        emit newDay();
    }
}

} // namespace zelmora::gui
