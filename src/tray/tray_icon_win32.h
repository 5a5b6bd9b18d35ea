// The program's icon in the notification area: added, deleted, and put back
// when the shell restarts (the TaskbarCreated message), its image owned here;
// and its balloon.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>

#include "win32/handles_win32.h"

namespace quendrel {

// The shell's tray call, where tests stand in for the shell.
class TrayShell {
public:
    virtual ~TrayShell() = default;
    virtual BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW& data) = 0;
};

class TrayIcon {
public:
    // A balloon's text field holds this many characters and the end.
    static constexpr std::size_t kBalloonTextMax = 255;

    // shell: null for Shell_NotifyIconW.
    explicit TrayIcon(TrayShell* shell = nullptr) : shell_(shell) {}
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Delete(); }

    // Fills the record once (the first version, with the tip) and adds the
    // icon; the same record deletes it and puts it back.
    void Add(HWND window, UINT id, UINT callbackMessage, const wchar_t* iconResource, std::string_view tipUtf8);
    void Delete();
    // A warning balloon at the shown icon. The record that carries it has
    // the second version's size; adding and deleting keep the first.
    void ShowBalloon(std::string_view titleUtf8, const std::wstring& text);

    // True for TaskbarCreated, after putting a shown icon back.
    bool OnShellMessage(UINT message);

    // Where the shell shows the icon, in screen pixels; false where it cannot
    // tell (before Windows 7, and under Wine).
    bool ScreenRect(RECT& rect) const;

private:
    BOOL Notify(DWORD message, NOTIFYICONDATAW& data) const;

    TrayShell* shell_;
    NOTIFYICONDATAW data_{};
    UniqueIcon icon_;
    UINT taskbarCreated_ = 0;
    bool shown_ = false;
};

}  // namespace quendrel
