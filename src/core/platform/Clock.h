#pragma once
// Where the program learns the date and time. Nothing reads the system clock directly,
// so tests and the command line can fix "today".

#include <chrono>
#include <optional>
#include <string_view>

namespace zelmora {

struct LocalDate {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 31
    friend bool operator==(const LocalDate&, const LocalDate&) = default;
};

struct LocalDateTime {
    LocalDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The same fields in Coordinated Universal Time: a type of its own, so that a local time
// can never be written where files want UTC.
struct UtcDateTime {
    LocalDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const UtcDateTime&, const UtcDateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
    virtual UtcDateTime utcNow() const = 0;
    LocalDate today() const { return now().date; }
};

// The local date and time of the system.
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
    UtcDateTime utcNow() const override;
};

// A clock that stands still at a chosen moment, in a time zone `utcOffset` ahead of UTC.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime moment = {}, std::chrono::minutes utcOffset = {})
        : m_moment(moment), m_utcOffset(utcOffset)
    {
    }
    explicit FixedClock(LocalDate date) : m_moment{date, 0, 0, 0} {}
    void set(LocalDateTime moment) { m_moment = moment; }
    LocalDateTime now() const override { return m_moment; }
    UtcDateTime utcNow() const override;

private:
    LocalDateTime m_moment;
    std::chrono::minutes m_utcOffset{0};
};

// Reads a calendar date written YYYY-MM-DD; nothing for anything else, impossible days included.
std::optional<LocalDate> parseIsoDate(std::string_view text);

} // namespace zelmora
