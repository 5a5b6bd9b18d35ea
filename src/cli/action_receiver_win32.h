// The running instance's side of the command-line actions: what a
// WM_COPYDATA from a second start, or the first start's own action, does.
#pragma once

#include <windows.h>

#include "cli/command_line.h"

namespace quendrel {

class ConfigWindow;

// The configuration window's WM_COPYDATA: false when the message is not ours
// (another dwData); otherwise result is the answer to return from the window
// procedure.
bool ReceiveAction(ConfigWindow& window, const COPYDATASTRUCT& data, LRESULT& result);

// Acts only through what the hotkeys and the tray use; the answer.
Answer PerformAction(ConfigWindow& window, const Action& action);

}  // namespace quendrel
