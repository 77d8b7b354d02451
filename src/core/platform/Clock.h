#pragma once
// Where the program learns the date and time. Nothing reads the system clock directly,
// so tests and the command line can fix "today".

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
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
    LocalDate today() const { return now().date; }
};

// The local date and time of the system.
class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
};

// A clock that stands still at a chosen moment.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalDateTime moment = {}) : m_moment(moment) {}
    explicit FixedClock(LocalDate date) : m_moment{date, 0, 0, 0} {}
    void set(LocalDateTime moment) { m_moment = moment; }
    LocalDateTime now() const override { return m_moment; }

private:
    LocalDateTime m_moment;
};

// Reads a calendar date written YYYY-MM-DD; nothing for anything else, impossible days included.
std::optional<LocalDate> parseIsoDate(std::string_view text);

} // namespace zelmora
