// The volume actions and the one queue they run in. Hotkeys and outside
// actions (a command line's) are performed one at a time in the order they
// arrived: performing one can let the next one in (a mixer call or a message
// box lets sent messages through), and that one waits its turn instead of
// running inside the first, where both would start from the same volume.
#pragma once

#include <utility>

#include "actions/action_queue.h"
#include "actions/hotkey_dispatch.h"
#include "actions/volume_applier.h"
#include "base/timer.h"
#include "mixer/mixer.h"
#include "table/setting_table.h"

namespace quendrel {

class Actions {
public:
    // Where the program is: what it takes depends on it.
    enum class Phase : unsigned char {
        kStarting,  // the table may be half read: nothing acts
        kResident,  // the window is closed: everything acts
        kEditing,   // the window is open: the user edits the table
    };

    Actions(SettingTable& table, Mixer& mixer, Timer& fadeTimer, ActionHost& host)
        : table_(table), host_(host), applier_(mixer, fadeTimer), dispatcher_(table, mixer, applier_, host) {}
    Actions(const Actions&) = delete;
    Actions& operator=(const Actions&) = delete;

    Phase phase() const { return phase_; }
    void SetPhase(Phase phase) { phase_ = phase; }

    // A hotkey's dispatch in its turn; nothing until start-up is over.
    void HotKey(unsigned id) {
        if (phase_ == Phase::kStarting) return;
        Perform([this, id] { dispatcher_.DispatchHotKey(id); });
    }
    // The configuration window opens in its turn.
    void OpenWindow() {
        Perform([this] { host_.OpenWindow(); });
    }
    void Perform(ActionQueue::Work work) { queue_.Perform(std::move(work)); }

    const SettingTable& table() const { return table_; }
    VolumeApplier& applier() { return applier_; }
    HotkeyDispatcher& dispatcher() { return dispatcher_; }

private:
    const SettingTable& table_;
    ActionHost& host_;
    VolumeApplier applier_;
    HotkeyDispatcher dispatcher_;
    ActionQueue queue_;
    Phase phase_ = Phase::kStarting;
};

}  // namespace quendrel
