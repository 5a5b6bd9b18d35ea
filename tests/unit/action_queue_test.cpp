// Actions one at a time, in the order they came.
#include "actions/action_queue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quendrel {
namespace {

TEST(ActionQueue, WorkArrivingDuringWorkWaitsItsTurnInOrder) {
    ActionQueue queue;
    std::string log;
    queue.Perform([&] {
        log += "a(";
        // Let in while the first one waits on the system, as sent messages are.
        queue.Perform([&] {
            log += "b";
            queue.Perform([&] { log += "d"; });
        });
        queue.Perform([&] { log += "c"; });
        EXPECT_EQ(log, "a(");  // both wait while this one runs
        log += ")";
    });
    EXPECT_EQ(log, "a()bcd");
    // Idle again: new work runs at once.
    queue.Perform([&] { log += "e"; });
    EXPECT_EQ(log, "a()bcde");
}

}  // namespace
}  // namespace quendrel
