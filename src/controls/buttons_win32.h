// Push buttons and check boxes.
#pragma once

#include "base/callback.h"
#include "controls/control_win32.h"

namespace quendrel {

// A push button: onClick on every click (and on Enter when it is the default).
class Button : public Control {
public:
    Callback<void()> onClick;
    bool OnCommand(WORD code) override;
};

// An automatic check box. The user's click and SetChecked both run onClick,
// the latter only when the state changes.
class CheckBox : public Control {
public:
    Callback<void()> onClick;
    bool Checked() const;
    void SetChecked(bool checked);
    bool OnCommand(WORD code) override;
};

}  // namespace quendrel
