#include "notify/notify_font_dialogs_win32.h"

namespace quendrel {

void NotifyFontClick(HWND /*owner*/) {}
void NotifyColorClick(HWND /*owner*/) {}

}  // namespace quendrel
