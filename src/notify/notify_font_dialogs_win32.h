// The font and colour buttons of the configuration window: the system's
// dialogs, written to NotifyFont.ini and loaded into the notification window.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "notify/notification_window_win32.h"
#include "profile/notify_profile_win32.h"

namespace quendrel {

// The system's modal dialogs, where tests stand in for them.
class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;
    virtual BOOL PickFont(CHOOSEFONTW& dialog) = 0;
    virtual BOOL PickColor(CHOOSECOLORW& dialog) = 0;
};

class NotifyFontDialogs {
public:
    // dialogs: null for ChooseFontW and ChooseColorW.
    NotifyFontDialogs(const NotifyProfile& profile, NotificationWindow& notification, CommonDialogs* dialogs = nullptr)
        : profile_(profile), notification_(notification), dialogs_(dialogs) {}

    void OnFontClick(HWND owner);
    void OnColorClick(HWND owner);

private:
    // The file refused a key: the user is told and nothing is loaded.
    void ReportRefusedWrite() const;

    const NotifyProfile& profile_;
    NotificationWindow& notification_;
    CommonDialogs* dialogs_;
    COLORREF customColors_[16] = {};
};

}  // namespace quendrel
