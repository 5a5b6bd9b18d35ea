#include "mixer/change_notices_win32.h"

namespace quendrel {

HWND ChangeNotices::Window() {
    if (!window_) {
        window_ = std::make_unique<MessageWindow>(Bind<&ChangeNotices::OnMessage>(this));
        window_->Create();
    }
    return window_->hwnd();
}

bool ChangeNotices::OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message != kChanged && message != MM_MIXM_CONTROL_CHANGE && message != MM_MIXM_LINE_CHANGE) return false;
    // A notice posted just before the watch ended finds nobody.
    changed_();
    return true;
}

}  // namespace quendrel
