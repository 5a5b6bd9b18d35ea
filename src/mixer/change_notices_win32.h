// Where a backend's change notices reach the program's thread: a message-only
// window of its own, to which the mixer API posts its control changes and
// Core Audio's callback thread posts kChanged. Each calls the watcher.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <memory>

#include "base/callback.h"
#include "win32/message_window_win32.h"

namespace quendrel {

class ChangeNotices {
public:
    static constexpr UINT kChanged = WM_APP + 1;

    // The window to post to; made on first use.
    HWND Window();
    // Who hears of changes from now on; empty: nobody.
    void SetWatcher(Callback<void()> changed) { changed_ = changed; }

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    Callback<void()> changed_;
    std::unique_ptr<MessageWindow> window_;
};

}  // namespace quendrel
