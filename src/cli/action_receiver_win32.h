// The running instance's side of the command-line actions: what a
// WM_COPYDATA from a second start, or the first start's own action, does.
#pragma once

#include <windows.h>

#include "cli/command_line.h"

namespace quendrel {

class TForm1;

// TForm1's WM_COPYDATA: false when the message is not ours (another dwData);
// otherwise result is the answer to return from the window procedure.
bool ReceiveAction(TForm1& form, LPARAM copyData, LRESULT& result);

// Acts only through what the hotkeys and the tray use; the answer.
Answer PerformAction(TForm1& form, const Action& action);

}  // namespace quendrel
