#include "actions/actions.h"

#include <utility>

namespace quendrel {

Verdict Actions::Admit(const Action& action) const {
    if (phase_ == Phase::kStarting) return Verdict::kRefused;
    if (action.kind == ActionKind::kOpen) return Verdict::kAccepted;
    if (phase_ == Phase::kEditing) return Verdict::kRefused;
    return dispatcher_.Check(action);
}

Verdict Actions::Submit(Action action, Callback<void(Verdict)> answer) {
    const Verdict verdict = Admit(action);
    // Before it is performed: whatever it shows (the capture's message at a
    // full list) must not keep a waiting caller.
    answer(verdict);
    if (verdict != Verdict::kAccepted) return verdict;
    waiting_.push_back(std::move(action));
    if (running_) return verdict;
    running_ = true;
    // By index: actions may be added while one runs.
    for (std::size_t next = 0; next < waiting_.size(); ++next) {
        const Action current = std::move(waiting_[next]);
        dispatcher_.Perform(current);
    }
    waiting_.clear();
    running_ = false;
    return verdict;
}

}  // namespace quendrel
