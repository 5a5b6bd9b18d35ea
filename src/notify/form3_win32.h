// TForm3: the notification window, cut to the outline of its text.
#pragma once

#include <windows.h>

#include "win32/window_win32.h"

namespace quendrel {

class TForm3 : public Window {
public:
    bool Create(HWND applicationWindow);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

extern TForm3* Form3;

}  // namespace quendrel
