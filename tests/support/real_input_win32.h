// Real X input on the Wine desktop, for the end-to-end scenarios: keys go
// through Wine's own keyboard handling (hotkey registrations and the focused
// control) and clicks land on whatever lies at the point, as a user's do.
// Posted messages skip all of that.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace quendrel::test {

// Drives xdotool, a Unix program that Wine starts like any other; it inherits
// the DISPLAY of the Wine session. Screen pixels of Windows are X pixels on
// the Wine desktop (MoveTo checks it every time).
class RealInput {
public:
    // Finds the Wine desktop's X window; ready() tells whether it did.
    RealInput();
    bool ready() const { return !desktop_.empty(); }
    // Presses and releases a combination in X key names: "ctrl+shift+F1",
    // "alt+shift+k", "Escape", "F2", "Delete", "Return". Keys go to Wine's
    // active window (hotkeys act whichever it is), as with a window manager.
    bool Key(const std::string& combination);
    // Types ASCII letters and digits key by key.
    bool Type(const std::string& text);
    // Moves the pointer and waits until Windows reports it at the same point.
    bool MoveTo(POINT point);
    // Button 1 left, 3 right. A click where a press was just made waits out
    // the double-click time first, so that it stays a click of its own.
    bool Click(POINT point, int button = 1);
    bool DoubleClick(POINT point);
    bool Press(POINT point, int button = 1);
    bool Release(int button = 1);
    // Left button down at one point, moved in steps, up at the other.
    bool Drag(POINT from, POINT to);
    // The wheel turned where the pointer is, whole notches: up (away from
    // the user) when positive.
    bool Wheel(int notches);

private:
    bool Run(const std::string& arguments, std::string* output = nullptr);
    // Moves there, then runs the xdotool arguments that press.
    bool PressAt(POINT point, const std::string& arguments);
    bool FollowForeground();
    std::string XWindowOf(HWND window);
    std::string desktop_;
    std::map<HWND, std::string> xWindows_;
};

// Runs a Unix command line (no double quotes in it) on the Wine session's
// display; true when it exits with 0. Its output, both streams, when asked.
bool RunUnix(const std::string& commandLine, std::string* output = nullptr);
// The whole X screen as a PNG file.
bool Screenshot(const std::string& unixPath);

POINT Center(const RECT& rect);
POINT CenterOf(HWND window);
// The tray icon on the Wine desktop's taskbar: the newest where icons have
// windows of their own (later Wine); in Wine 8, which paints them into the
// taskbar, the first at its right end (the scenarios' only one, since
// QuendrelProcess::Kill takes a killed program's icon away). {-1, -1}
// without a taskbar.
POINT TrayIconPoint();
// The close box of a captioned window, found by hit-testing its caption row;
// {-1, -1} when there is none.
POINT CloseBoxPoint(HWND window);
// Parts of another process's common controls, in screen pixels; empty when
// they cannot be read.
RECT ListItemRect(HWND list, int item);
RECT TrackBarThumbRect(HWND trackBar);
RECT TrackBarChannelRect(HWND trackBar);
// The text of a status bar's first part (SB_GETTEXTW); empty when it cannot
// be read.
std::wstring StatusBarText(HWND statusBar);

}  // namespace quendrel::test
