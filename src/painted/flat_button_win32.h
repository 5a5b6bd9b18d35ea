// A flat speed button with an optional 16 x 16 glyph beside its caption.
#pragma once

#include "base/callback.h"
#include "painted/painted_control_win32.h"

namespace quendrel {

// The glyph is a bitmap resource whose silver pixels are transparent. Raised
// while the mouse is over it, sunken while pressed. It never takes the
// focus: a click leaves the focus where it was. onClick on every click.
class FlatButton : public PaintedControl {
public:
    ~FlatButton() override;
    void Setup(const wchar_t* glyphResource = nullptr);
    Callback<void()> onClick;
    bool OnCommand(WORD code) override;

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void Paint(HDC dc, const RECT& client) override;
    bool Pressed() const;
    HIMAGELIST glyph_ = nullptr;
    bool hot_ = false;
};

}  // namespace quendrel
