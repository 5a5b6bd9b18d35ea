// TForm2: the about window, shown modally from the tray menu.
#pragma once

#include <windows.h>

#include "win32/handles_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class Mixer;

class TForm2 : public Window {
public:
    explicit TForm2(Mixer& mixer);
    bool Create(HWND applicationWindow);
    // Shows the window and returns when it is closed.
    void ShowModal();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate();
    Mixer& mixer_;
    UniqueFont font_;
    bool modal_ = false;
};

extern TForm2* Form2;

}  // namespace quendrel
