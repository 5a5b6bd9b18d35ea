// The font and colour buttons of the configuration window: the system's
// dialogs, written to NotifyFont.ini and loaded into the notification window.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>

namespace quendrel {

void NotifyFontClick(HWND owner);
void NotifyColorClick(HWND owner);

// Tests stand in for the modal dialogs; an empty function restores the
// system's ChooseFontW / ChooseColorW.
using FontDialog = std::function<BOOL(CHOOSEFONTW&)>;
using ColorDialog = std::function<BOOL(CHOOSECOLORW&)>;
void SetFontDialogForTesting(FontDialog dialog);
void SetColorDialogForTesting(ColorDialog dialog);

}  // namespace quendrel
