// The program body: single instance, the application window and the three
// windows, the message loop.
#pragma once

#include <windows.h>

#include <memory>

#include "about/form2_win32.h"
#include "app/form1_win32.h"
#include "mixer/core_audio_mixer_win32.h"
#include "notify/form3_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class Mixer;

// The toolkit's hidden application window: owner of the three windows, no
// taskbar button.
class ApplicationWindow : public Window {
public:
    bool Create();
};

class Program {
public:
    // With no mixer given, the program chooses its own.
    explicit Program(std::unique_ptr<Mixer> mixer = nullptr);
    ~Program();

    // Start-up up to the message loop; false when another instance runs
    // (after its message).
    bool Start();
    int RunMessageLoop();
    // The way out after the loop: the hook comes off, the windows go, the
    // mutex is released.
    void Shutdown();

    TForm1& form1() { return *form1_; }
    TForm2& form2() { return *form2_; }
    TForm3& form3() { return *form3_; }
    HWND applicationWindow() const { return application_.hwnd(); }

private:
    ComApartment com_;  // first in, last out: outlives every COM pointer
    std::unique_ptr<Mixer> mixer_;
    HANDLE mutex_ = nullptr;
    ApplicationWindow application_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
};

// Whole run, as WinMain does it.
int RunQuendrel();

}  // namespace quendrel
