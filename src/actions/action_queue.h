// Everything that acts on the volume from outside the configuration window,
// a hotkey or a command-line action, is performed one at a time in the order
// it arrived. Performing one can let the next one in (a mixer call or a
// message box lets sent messages through): that one waits its turn instead of
// running inside the first, where both would start from the same volume.
#pragma once

#include <functional>
#include <vector>

namespace quendrel {

class ActionQueue {
public:
    using Work = std::function<void()>;

    // Runs the work now, or once the work already running and waiting is done.
    void Perform(Work work);
    bool Busy() const { return running_; }

private:
    std::vector<Work> waiting_;  // in arrival order, until all are done
    bool running_ = false;
};

}  // namespace quendrel
