// The program's icon in the notification area: added, deleted, and put back
// when the shell restarts (the TaskbarCreated message), its image owned here.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string_view>

#include "win32/handles_win32.h"

namespace quendrel {

class TrayIcon {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Delete(); }

    // Fills the record once (the first version, with the tip) and adds the
    // icon; the same record deletes it and puts it back.
    void Add(HWND window, UINT id, UINT callbackMessage, const wchar_t* iconResource, std::string_view tipUtf8);
    void Delete();
    bool Shown() const { return shown_; }

    // True for TaskbarCreated, after putting a shown icon back.
    bool OnShellMessage(UINT message);

private:
    NOTIFYICONDATAW data_{};
    UniqueIcon icon_;
    UINT taskbarCreated_ = 0;
    bool shown_ = false;
};

}  // namespace quendrel
