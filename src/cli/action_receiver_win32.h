// The running instance's side of the command-line actions: what a
// WM_COPYDATA from a second start does.
#pragma once

#include <windows.h>

namespace quendrel {

class Actions;

// The configuration window's WM_COPYDATA: false when the message is not ours
// (another dwData); otherwise result is the answer to return from the window
// procedure, given before the action is performed.
bool ReceiveAction(Actions& actions, const COPYDATASTRUCT& data, LRESULT& result);

}  // namespace quendrel
