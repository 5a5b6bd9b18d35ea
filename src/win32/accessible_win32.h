// What a screen reader reads for a window: the system's own object for it
// (its role, value, state, place), with the name a sighted user reads for it
// and, where the system cannot tell, its role. Answered to WM_GETOBJECT.
#pragma once

#include <windows.h>

#include <string>

namespace quendrel {

enum class AccessibleRole : unsigned char { kStandard, kLink, kAlert };

// A fixed name, or the current text of a label beside the window.
struct AccessibleName {
    std::wstring text;
    HWND label = nullptr;
    AccessibleRole role = AccessibleRole::kStandard;
};

// The answer to WM_GETOBJECT for the window's client object; 0 (the system's
// own answer) for any other object or when none can be made.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleName& name);

}  // namespace quendrel
