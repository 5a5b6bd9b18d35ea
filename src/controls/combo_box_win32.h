// A drop-down list (CBS_DROPDOWNLIST) of texts.
#pragma once

#include <string>
#include <vector>

#include "base/callback.h"
#include "controls/control_win32.h"

namespace quendrel {

// onChange runs when the item the box shows changes by the user: an arrow key
// on the closed box, or a choice made in its list; never from code.
class ComboBox : public Control {
public:
    Callback<void()> onChange;
    // Replaces the items, unless they are these already; the list drops down
    // wide enough to show the longest whole.
    void SetItems(const std::vector<std::wstring>& items);
    // The item shown, or -1 for none.
    int Selected() const;
    void Select(int item);
    bool OnCommand(WORD code) override;

private:
    std::vector<std::wstring> items_;
    int shown_ = -1;
};

// True when the window is a drop-down list showing its list: Escape and Enter
// close the list, not the window.
bool IsDroppedDownList(HWND window);

}  // namespace quendrel
