// A group of controls on a window, which the window hands the notifications
// of its controls to.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace quendrel {

class ControlPanel {
public:
    virtual ~ControlPanel() = default;
    // Each returns true when the message concerned one of its controls.
    virtual bool OnCommand(WORD /*id*/, WORD /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnScroll(HWND /*control*/) { return false; }
    virtual bool OnColor(HDC /*dc*/, HWND /*control*/, HBRUSH& /*brush*/) { return false; }
};

}  // namespace quendrel
