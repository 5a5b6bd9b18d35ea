// The font and colour buttons of the configuration window: the system's
// dialogs, written to NotifyFont.ini and loaded into the notification window.
#pragma once

#include <windows.h>

namespace quendrel {

void NotifyFontClick(HWND owner);
void NotifyColorClick(HWND owner);

}  // namespace quendrel
