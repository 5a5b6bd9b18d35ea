// A horizontal track bar holding a position in a range.
#pragma once

#include "base/callback.h"
#include "controls/control_win32.h"

namespace quendrel {

// onChange runs whenever the position moves, by the user or from code; never
// for a position it already has. A position set from code is clamped first.
class TrackBar : public Control {
public:
    Callback<void()> onChange;
    void Setup(int minimum, int maximum, int page, int position);
    int Position() const;
    void SetPosition(int position);
    bool OnScroll() override;

private:
    int minimum_ = 0, maximum_ = 100;
    int last_ = 0;
};

}  // namespace quendrel
