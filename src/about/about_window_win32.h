// The about window (class "TForm2"): name, version, links and the sound
// devices as they were at start-up, shown modally from the tray menu.
#pragma once

#include <windows.h>

#include "controls/buttons_win32.h"
#include "controls/group_box_win32.h"
#include "controls/link_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

class Mixer;

class AboutWindow : public Window {
public:
    // Control identifiers. Those inside the device group are its children.
    enum ControlId : int {
        kOkButton = IDOK,
        kDeviceGroup = 100,
        kDeviceList,
        kTitleLabel,
        kWebLabel,
        kMailLabel,
        kPreferredLine1,
        kCreditLabel,
        kCopyrightLabel,
        kUpdatedLabel,
        kPreferredLine2,
        kPreferredLine3,
        kWebLink,
        kMailLink,
        kBanner,
    };

    explicit AboutWindow(Mixer& mixer) : mixer_(mixer) {}
    bool Create(HWND applicationWindow);
    // A control by identifier, the device group's own included.
    HWND Item(int id) const;
    // Shows the window and returns when it is closed; the configuration
    // window waits meanwhile.
    void ShowModal(HWND configWindow = nullptr);

    Button okButton;
    GroupBox deviceGroup;
    Control deviceList, titleLabel, webLabel, mailLabel, preferredLine1, creditLabel, copyrightLabel, updatedLabel,
        preferredLine2, preferredLine3;
    Link webLink, mailLink, banner;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FillDeviceList();
    void CreateControls();
    void OnWebClick();
    void OnMailClick();
    void OnOkClick();

    Mixer& mixer_;
    UniqueFont font_;
    UniqueFont titleFont_, boldItalicFont_, creditFont_, linkFont_;
    UniqueBitmap okGlyph_, banner_;
    bool modal_ = false;
};

}  // namespace quendrel
