// A label or picture (SS_NOTIFY) that acts when clicked.
#pragma once

#include <optional>

#include "base/callback.h"
#include "controls/control_win32.h"

namespace quendrel {

// With the hand pointer; with hover colours, its text turns hot while the
// mouse is over it. With WS_TABSTOP it takes the keyboard focus, shows it and
// acts on Enter and Space; screen readers read it as a link.
class Link : public Control {
public:
    Callback<void()> onClick;
    void SetHoverColors(COLORREF normal, COLORREF hot);
    bool OnCommand(WORD code) override;

protected:
    void OnAttached() override;

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void ShowHot(bool hot);
    bool OnKey(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    std::optional<COLORREF> normal_, hot_;
    bool isHot_ = false;
};

}  // namespace quendrel
