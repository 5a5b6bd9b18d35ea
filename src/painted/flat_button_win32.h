// A flat speed button with an optional 16 x 16 glyph beside its caption.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "base/callback.h"
#include "painted/painted_control_win32.h"
#include "win32/handles_win32.h"

namespace quendrel {

// The glyph is a bitmap resource whose silver pixels are transparent. Raised
// while the mouse is over it, sunken while pressed. onClick on every click.
// Without WS_TABSTOP it never takes the focus, and a click leaves the focus
// where it was; with it, it takes the focus as a button does, shows it and
// is pressed by Space and Enter.
class FlatButton : public PaintedControl {
public:
    void Setup(const wchar_t* glyphResource = nullptr);
    Callback<void()> onClick;
    bool OnCommand(WORD code) override;

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& client) override;
    bool Pressed() const;
    bool OnKey(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // As a click does: BN_CLICKED to the parent.
    void Click() const;
    UniqueHandle<HIMAGELIST, &ImageList_Destroy> glyph_;
    bool hot_ = false;
    bool takesFocus_ = false;
};

}  // namespace quendrel
