#pragma once
// Notices that a new day has begun while the program runs: at midnight, and within a
// minute after the machine wakes from sleep or the clock is set to another day, when a
// timer armed the day before cannot be trusted.

#include "core/platform/Clock.h"

#include <QObject>
#include <QTimer>

#include <chrono>

namespace zelmora::gui {

class DayWatcher : public QObject {
    Q_OBJECT

public:
    explicit DayWatcher(const Clock& clock, QObject* parent = nullptr);

    // Watches from the clock's day as it is now.
    void start();
    // Announces newDay when the clock's day is no longer the last one seen, and arms the
    // midnight timer again from the clock's time. The timers call it; tests move their
    // clock and call it themselves.
    void checkDay();

signals:
    void newDay();

private:
    const Clock& m_clock;
    LocalDate m_day;
    QTimer m_midnight;
    // Sleep stops the timers' clock but not the wall clock: looking every minute catches a
    // wake or a clock set forward or back.
    QTimer m_everyMinute;
};

// How long from `now` until a little after the next midnight.
std::chrono::milliseconds timeToMidnight(const LocalDateTime& now);

} // namespace zelmora::gui
