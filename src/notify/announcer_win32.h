// Tells screen readers what the notification says, the focus staying where it
// is: a UI Automation notification where the system offers one (Windows 10
// 1709 and later) and a screen reader runs; elsewhere the window's accessible
// name becomes the text and the events that screen readers announce are
// raised. The window's own text never changes (other programs find it by it).
#pragma once

#include <windows.h>

#include <string>

#include "win32/accessible_win32.h"

namespace quendrel {

class Announcer {
public:
    // window: the notification window; caption: its name until it speaks.
    void Attach(HWND window, std::wstring caption);
    void Announce(const std::wstring& text);
    // The window's answer to WM_GETOBJECT.
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam) const { return AnswerGetObject(window_, wParam, lParam, name_); }

private:
    bool RaiseAutomationNotification(const std::wstring& text) const;

    HWND window_ = nullptr;
    AccessibleName name_{std::wstring(), nullptr, AccessibleRole::kAlert};
};

}  // namespace quendrel
