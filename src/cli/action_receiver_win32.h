// The running instance's side of the command-line actions: what a
// WM_COPYDATA from a second start, or the first start's own action, does.
#pragma once

#include <windows.h>

#include "cli/command_line.h"

namespace quendrel {

class Actions;

// The configuration window's WM_COPYDATA: false when the message is not ours
// (another dwData); otherwise result is the answer to return from the window
// procedure.
bool ReceiveAction(Actions& actions, const COPYDATASTRUCT& data, LRESULT& result);

// Acts only as the hotkeys and the tray do; the answer.
Answer PerformAction(Actions& actions, const Action& action);

}  // namespace quendrel
