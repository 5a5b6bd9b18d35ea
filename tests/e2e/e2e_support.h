// Drives the real Quendrel.exe from another process, as a user and the
// system would: by real keys and clicks, reading its windows, and by posted
// messages where X cannot produce the input.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/identity.h"
#include "base/utf8.h"
#include "real_input_win32.h"
#include "table/setting_table.h"
#include "table_builder.h"
#include "win_test_support.h"

namespace quendrel::e2e {

// A running copy of Quendrel.exe in a folder of its own.
class QuendrelProcess {
public:
    explicit QuendrelProcess(const std::wstring& folder) : folder_(folder) {}
    ~QuendrelProcess();
    // Copies the exe into the folder (once) and starts it, with the arguments
    // given; with an output handle (inheritable), its standard output and
    // error go there.
    bool Start(const std::wstring& arguments = {}, HANDLE output = nullptr);
    // Waits for the process to end on its own; its exit code, or -1.
    int WaitForExit(DWORD milliseconds);
    bool Running() const;
    void Kill();
    DWORD pid() const { return info_.dwProcessId; }
    // Working set of the process as Wine reports it (VmRSS), in KiB.
    long ResidentKiB() const;
    const std::wstring& folder() const { return folder_; }
    std::wstring File(const wchar_t* name) const { return folder_ + L"\\" + name; }

private:
    std::wstring folder_;
    PROCESS_INFORMATION info_{};
};

// The configuration window opened by a left click on the tray icon; whether
// it shows.
bool OpenFromTray(test::RealInput& input, HWND configWindow, DWORD milliseconds = 10000);
// Escape pressed in the open configuration window: whether it closes and
// writes SndCols.ini (deleted first), and the table written.
bool EscapeSaves(test::RealInput& input, const QuendrelProcess& program, HWND configWindow, SettingTable& saved,
                 DWORD milliseconds = 5000);
// Both, as a user saves; an empty table (and a test failure) when the file
// does not come.
SettingTable SaveThroughTheWindow(const QuendrelProcess& program, HWND configWindow, DWORD milliseconds = 10000);

// Waits until a started program's hotkeys act: start-up ticks the function
// boxes after registering them, so with the capture slot on its box tells.
bool WaitForHotkeys(HWND configWindow, DWORD milliseconds = 15000);
// Starts the program with a table (no window shows) and waits for its
// hotkeys; its configuration window, or null (and a failure) when a step
// failed.
HWND StartResident(QuendrelProcess& program, const std::wstring& arguments = {});

// Whether the shell shows a balloon with the text: a visible tooltip of the
// shell's, whose text is the balloon's.
bool BalloonShown(const std::wstring& text);

// What a command-line start of Quendrel.exe ended with.
struct Outcome {
    int exitCode = -1;   // -1: it did not end by itself (a message box would hold it)
    std::string output;  // standard output and error, as written
    bool Printed(const char* utf8) const { return output.find(utf8) != std::string::npos; }
};
// Quendrel.exe started in the folder with the arguments, its output going to
// a file.
Outcome RunWith(const test::TempFolder& folder, const std::wstring& arguments);

// While it lives, Wine reports Windows 10 to every Quendrel.exe started (its
// AppDefaults key): the program then runs on Core Audio. The rest of the
// prefix stays Windows XP.
class ReportedAsWindows10 {
public:
    ReportedAsWindows10();
    ReportedAsWindows10(const ReportedAsWindows10&) = delete;
    ReportedAsWindows10& operator=(const ReportedAsWindows10&) = delete;
    ~ReportedAsWindows10();
};

// The process's top-level window of a class, waiting up to the given time.
HWND WaitForWindow(DWORD pid, const wchar_t* className, DWORD milliseconds = 15000, bool visible = false);
using test::Children;
using test::FindProcessWindow;
using test::MessageBoxText;
using test::WaitUntil;
using test::WindowText;

void PressButton(HWND dialog, int id);
// Presses OK on the process's message boxes until none shows; whether any did.
bool AnswerMessageBoxes(DWORD pid, DWORD milliseconds = 10000);

// The keyboard focus of a window's thread, for failure messages: its class,
// its text and whether it is disabled, or "nothing".
std::string FocusOf(HWND window);
// The first child of a class with the text.
HWND ChildWithText(HWND parent, const wchar_t* className, const wchar_t* text);

}  // namespace quendrel::e2e
