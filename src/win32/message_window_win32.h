// A message-only window: where the system's notifications and other
// threads' posts reach the program's thread.
#pragma once

#include <windows.h>

#include "base/callback.h"
#include "win32/window_win32.h"

namespace quendrel {

class MessageWindow : public Window {
public:
    // True when the message was taken, with the result.
    using Handler = MessageHandler;
    explicit MessageWindow(Handler handler) : handler_(handler) {}
    bool Create();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Handler handler_;
};

}  // namespace quendrel
