#include "actions/action_queue.h"

#include <utility>

namespace quendrel {

void ActionQueue::Perform(Work work) {
    waiting_.push_back(std::move(work));
    if (running_) return;
    running_ = true;
    while (!waiting_.empty()) {
        const Work next = std::move(waiting_.front());
        waiting_.pop_front();
        next();
    }
    running_ = false;
}

}  // namespace quendrel
