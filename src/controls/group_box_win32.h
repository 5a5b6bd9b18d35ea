// A group box whose controls are its own children.
#pragma once

#include "controls/control_win32.h"

namespace quendrel {

// It paints its inside with the brush and passes its children's
// notifications on to its window, which reflects them to their objects; the
// keyboard moves into it as into a dialog's (WS_EX_CONTROLPARENT).
class GroupBox : public Control {
public:
    void HoldChildren(HBRUSH inside);

private:
    bool OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH inside_ = nullptr;
};

}  // namespace quendrel
