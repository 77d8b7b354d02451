#include "core/platform/Clock.h"

#include <gtest/gtest.h>

using namespace zelmora;
using namespace std::chrono_literals;

TEST(Clock, AFixedClockKnowsItsUniversalTime)
{
    struct Case {
        LocalDateTime local;
        std::chrono::minutes offset;
        UtcDateTime utc;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{{2026, 12, 7}, 9, 30, 5}, 0min, {{2026, 12, 7}, 9, 30, 5}},
             {{{2026, 12, 7}, 9, 30, 0}, 14h, {{2026, 12, 6}, 19, 30, 0}},     // Kiritimati, the day before
             {{{2027, 1, 1}, 0, 15, 0}, 1h, {{2026, 12, 31}, 23, 15, 0}},      // back into the old year
             {{{2028, 2, 28}, 20, 0, 0}, -5h, {{2028, 2, 29}, 1, 0, 0}},        // forward into a leap day
             {{{2026, 3, 1}, 2, 0, 0}, 5h + 30min, {{2026, 2, 28}, 20, 30, 0}},
         }) {
        EXPECT_EQ(FixedClock(c.local, c.offset).utcNow(), c.utc) << c.local.hour << " " << c.offset.count();
    }
    EXPECT_EQ(FixedClock(LocalDate{2026, 12, 7}).utcNow(), (UtcDateTime{{2026, 12, 7}, 0, 0, 0}));
}
