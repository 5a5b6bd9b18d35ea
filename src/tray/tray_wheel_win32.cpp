#include "tray/tray_wheel_win32.h"

#include <cstdlib>

#include "profile/notify_profile_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

constexpr USHORT kGenericDesktop = 1, kMouse = 2;
// Away this many leave checks in a row (the pointer's own mouse move may be
// on its way): the pointer has left.
constexpr int kTicksAway = 2;

bool RegisterMouse(HWND target, DWORD flags) {
    RAWINPUTDEVICE mouse{kGenericDesktop, kMouse, flags, target};
    return RegisterRawInputDevices(&mouse, 1, sizeof mouse) != FALSE;
}

}  // namespace

void TrayWheel::Attach(Window& window) {
    window_ = window.hwnd();
    leaveCheck_.Attach(window);
    leaveCheck_.onTick = Bind<&TrayWheel::OnLeaveCheck>(this);
}

void TrayWheel::OnIconMouseMove() {
    GetCursorPos(&lastMove_);
    ticksAway_ = 0;
    if (watching_ || !window_) return;
    if (!profile_.Read().Wheel() || !RegisterMouse(window_, RIDEV_INPUTSINK)) return;
    watching_ = true;
    notches_.Reset();
    leaveCheck_.Start();
}

bool TrayWheel::PointerOverIcon(int slack) const {
    POINT at{};
    GetCursorPos(&at);
    RECT icon{};
    if (icon_.ScreenRect(icon)) return PtInRect(&icon, at) != FALSE;
    return std::abs(at.x - lastMove_.x) <= slack && std::abs(at.y - lastMove_.y) <= slack;
}

void TrayWheel::OnLeaveCheck() {
    if (!watching_) return;
    // Any move over the icon brings a mouse move of its own.
    ticksAway_ = PointerOverIcon(0) ? 0 : ticksAway_ + 1;
    if (ticksAway_ >= kTicksAway) Leave();
}

void TrayWheel::Leave() {
    if (!watching_) return;
    RegisterMouse(nullptr, RIDEV_REMOVE);
    leaveCheck_.Stop();
    notches_.Reset();
    watching_ = false;
}

void TrayWheel::OnRawInput(LPARAM input) {
    if (!watching_) return;
    RAWINPUT data{};
    UINT size = sizeof data;
    if (GetRawInputData(reinterpret_cast<HRAWINPUT>(input), RID_INPUT, &data, &size, sizeof(RAWINPUTHEADER)) ==
            static_cast<UINT>(-1) ||
        data.header.dwType != RIM_TYPEMOUSE || !(data.data.mouse.usButtonFlags & RI_MOUSE_WHEEL))
        return;
    // The pointer's last move over the icon may not be in yet.
    if (!PointerOverIcon(GetSystemMetrics(SM_CXSMICON) / 2)) return;
    const int notches = notches_.Add(static_cast<SHORT>(data.data.mouse.usButtonData));
    if (notches != 0) onNotches_(notches);
}

}  // namespace quendrel
