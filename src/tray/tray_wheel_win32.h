// The mouse wheel over the tray icon. Only while the pointer is over the icon
// (the icon's WM_MOUSEMOVE tells when it comes) is the mouse's raw input
// watched, as a sink: it observes and takes nothing from the window under the
// pointer. Once the pointer has left, nothing is registered. Deltas are
// gathered into whole notches (a touchpad sends small ones).
#pragma once

#include <windows.h>

#include "base/callback.h"
#include "tray/tray_icon_win32.h"
#include "tray/wheel_notches.h"
#include "win32/window_timer_win32.h"

namespace quendrel {

class NotifyProfile;
class Window;

class TrayWheel {
public:
    // notches: whole notches turned over the icon, positive up (away from
    // the user), negative down.
    TrayWheel(const TrayIcon& icon, const NotifyProfile& profile, Callback<void(int notches)> notches)
        : icon_(icon), profile_(profile), onNotches_(notches) {}
    TrayWheel(const TrayWheel&) = delete;
    TrayWheel& operator=(const TrayWheel&) = delete;
    ~TrayWheel() { Leave(); }

    // The icon's window: where the raw input goes, and the leave check's timer.
    void Attach(Window& window);
    // The icon's WM_MOUSEMOVE. Entering, the Wheel switch of NotifyFont.ini
    // is read: off, nothing is watched.
    void OnIconMouseMove();
    // WM_INPUT of the icon's window.
    void OnRawInput(LPARAM input);

private:
    // Where the shell can tell, the pointer is within the icon's rectangle;
    // elsewhere (Windows XP and Vista, Wine) it is within slack pixels of
    // where the icon last saw it.
    bool PointerOverIcon(int slack) const;
    void OnLeaveCheck();
    void Leave();

    const TrayIcon& icon_;
    const NotifyProfile& profile_;
    Callback<void(int)> onNotches_;
    HWND window_ = nullptr;
    WindowTimer leaveCheck_{100};
    WheelNotches notches_;
    POINT lastMove_{};
    int ticksAway_ = 0;
    bool watching_ = false;
};

}  // namespace quendrel
