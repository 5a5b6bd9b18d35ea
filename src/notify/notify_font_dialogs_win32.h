// The font and colour buttons of the configuration window: the system's
// dialogs, written to NotifyFont.ini and loaded into the notification window.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <functional>

#include "notify/notification_window_win32.h"
#include "profile/notify_profile_win32.h"

namespace quendrel {

// The modal dialogs; empty: the system's ChooseFontW / ChooseColorW.
using FontDialog = std::function<BOOL(CHOOSEFONTW&)>;
using ColorDialog = std::function<BOOL(CHOOSECOLORW&)>;

class NotifyFontDialogs {
public:
    NotifyFontDialogs(const NotifyProfile& profile, NotificationWindow& notification, FontDialog fontDialog = {},
                      ColorDialog colorDialog = {})
        : profile_(profile),
          notification_(notification),
          fontDialog_(std::move(fontDialog)),
          colorDialog_(std::move(colorDialog)) {}

    void OnFontClick(HWND owner);
    void OnColorClick(HWND owner);

private:
    // The file refused a key: the user is told and nothing is loaded.
    void ReportRefusedWrite() const;

    const NotifyProfile& profile_;
    NotificationWindow& notification_;
    FontDialog fontDialog_;
    ColorDialog colorDialog_;
    COLORREF customColors_[16] = {};
};

}  // namespace quendrel
