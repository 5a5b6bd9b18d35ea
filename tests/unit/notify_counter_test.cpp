#include "notify/notify_counter.h"

#include <gtest/gtest.h>

namespace quendrel {
namespace {

// Ticks until the first one that hides, or 0 when none within 100.
int TicksUntilHidden(NotifyCounter& counter) {
    for (int tick = 1; tick <= 100; ++tick)
        if (counter.Tick()) return tick;
    return 0;
}

TEST(NotifyCounter, HidesOnTheTickAfterTheLimitAndKeepsHiding) {
    NotifyCounter counter;
    counter.Start(2);
    EXPECT_EQ(TicksUntilHidden(counter), 3);
    EXPECT_TRUE(counter.Tick());
    counter.Start(1);
    EXPECT_EQ(TicksUntilHidden(counter), 2);
}

TEST(NotifyCounter, ANewShowRestartsTheCount) {
    NotifyCounter counter;
    counter.Start(3);
    counter.Tick();
    counter.Tick();
    counter.Start(3);
    EXPECT_EQ(TicksUntilHidden(counter), 4);
}

TEST(NotifyCounter, ZeroOrNegativeLimitNeverHides) {
    for (std::int32_t limit : {0, -1, INT32_MIN}) {
        NotifyCounter counter;
        counter.Start(limit);
        EXPECT_EQ(TicksUntilHidden(counter), 0) << limit;
        EXPECT_EQ(counter.elapsed, 0);
    }
    NotifyCounter counter;  // never shown: the timer is off, but a tick must not hide either
    EXPECT_FALSE(counter.Tick());
}

}  // namespace
}  // namespace quendrel
