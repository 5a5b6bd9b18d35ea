// The one way in for every action, and the one queue they run in. Hotkeys,
// the wheel, the tray icon and outside actions (a command line's) are
// performed one at a time in the order they arrived: performing one can let
// the next one in (a mixer call or a message box lets sent messages through),
// and that one waits its turn instead of running inside the first, where both
// would start from the same volume.
#pragma once

#include <vector>

#include "actions/action.h"
#include "actions/action_dispatch.h"
#include "base/callback.h"

namespace quendrel {

class Actions {
public:
    // Where the program is: what it takes depends on it.
    enum class Phase : unsigned char {
        kStarting,  // the table may be half read: nothing acts
        kResident,  // the window is closed: everything acts
        kEditing,   // the window is open: the user edits the table; only kOpen acts
    };

    Actions(Settings& settings, Mixer& mixer, VolumeApplier& applier, ActionHost& host, SoundDevices& devices)
        : dispatcher_(settings, mixer, applier, host, devices) {}
    Actions(const Actions&) = delete;
    Actions& operator=(const Actions&) = delete;

    Phase phase() const { return phase_; }
    void SetPhase(Phase phase) { phase_ = phase; }

    // Admits the action by the phase and the table, tells answer, and then
    // performs it in its turn.
    Verdict Submit(Action action, Callback<void(Verdict)> answer = {});

private:
    Verdict Admit(const Action& action) const;

    ActionDispatcher dispatcher_;
    std::vector<Action> waiting_;  // in arrival order, until all are done
    bool running_ = false;
    Phase phase_ = Phase::kStarting;
};

}  // namespace quendrel
