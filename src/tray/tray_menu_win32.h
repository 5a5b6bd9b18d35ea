// SHLMenu, the tray icon's pop-up menu. It keeps no state: SHLMenuPopup sets
// both marks from what is stored, and the click handlers change only what is
// stored, by the mark the menu showed.
#pragma once

#include <windows.h>

namespace quendrel {

class AutoStart;
class NotifyProfile;
class TForm1;

enum TrayMenuItem : UINT {
    kOpenItem = 101,
    kAutoStart1Item,
    kFADEChangeItem,
    kAbout1Item,
    kClose1Item,
};

class TrayMenu {
public:
    TrayMenu(TForm1& form, const AutoStart& autoStart, const NotifyProfile& profile);
    ~TrayMenu();
    TrayMenu(const TrayMenu&) = delete;
    TrayMenu& operator=(const TrayMenu&) = delete;

    HMENU SHLMenu() const { return menu_; }
    bool Checked(UINT item) const;

    // False when the menu must not appear (the Run value is not a string;
    // the error has been shown).
    bool SHLMenuPopup();
    // SHLMenuPopup, then the menu at a screen point; runs the chosen item.
    void PopupAt(POINT at);
    void Run(UINT item);

    void AutoStart1Click();
    void FADEChangeClick();

private:
    TForm1& form_;
    const AutoStart& autoStart_;
    const NotifyProfile& profile_;
    HMENU menu_;
};

// A right press on the tray icon: the menu at the mouse.
void PopupTrayMenu(TForm1& form);

}  // namespace quendrel
