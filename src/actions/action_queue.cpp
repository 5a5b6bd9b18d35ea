#include "actions/action_queue.h"

#include <utility>

namespace quendrel {

void ActionQueue::Perform(Work work) {
    waiting_.push_back(std::move(work));
    if (running_) return;
    running_ = true;
    // By index: work may be added while one runs.
    for (std::size_t next = 0; next < waiting_.size(); ++next) {
        const Work current = std::move(waiting_[next]);
        current();
    }
    waiting_.clear();
    running_ = false;
}

}  // namespace quendrel
