// Work performed one at a time in the order it arrived (see Actions).
#pragma once

#include <functional>
#include <vector>

namespace quendrel {

class ActionQueue {
public:
    using Work = std::function<void()>;

    // Runs the work now, or once the work already running and waiting is done.
    void Perform(Work work);

private:
    std::vector<Work> waiting_;  // in arrival order, until all are done
    bool running_ = false;
};

}  // namespace quendrel
