// The tray icon's pop-up menu. It keeps no state: each opening sets both
// marks from what is stored, and the items change only what is stored, by the
// mark the menu showed.
#pragma once

#include <windows.h>

#include "base/callback.h"
#include "win32/handles_win32.h"

namespace quendrel {

class AutoStart;
class NotifyProfile;

enum TrayMenuItem : UINT {
    kOpenItem = 101,
    kAutoStartItem,
    kFadeItem,
    kAboutItem,
    kQuitItem,
};

// What the items that are not switches do.
struct TrayMenuActions {
    Callback<void()> open;
    Callback<void()> about;
    Callback<void()> quit;
};

class TrayMenu {
public:
    // owner: the window the menu belongs to (it comes to the foreground).
    TrayMenu(HWND owner, const AutoStart& autoStart, const NotifyProfile& profile, const TrayMenuActions& actions);

    bool Checked(UINT item) const;

    // Sets the marks from what is stored; false when the menu must not appear
    // (the Run value is not a string; the error has been shown).
    bool UpdateMarks();
    // UpdateMarks, then the menu at a screen point; runs the chosen item.
    void PopupAt(POINT at);
    void Run(UINT item);

private:
    void OnAutoStartClick();
    void OnFadeClick();

    HWND owner_;
    const AutoStart& autoStart_;
    const NotifyProfile& profile_;
    TrayMenuActions actions_;
    UniqueMenu menu_;
};

}  // namespace quendrel
