// Drives the real Quendrel.exe from another process, as a user and the
// system would: by its windows and by posted messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "settings/setting_table.h"
#include "win_test_support.h"

namespace quendrel::e2e {

// A running copy of Quendrel.exe in a folder of its own.
class QuendrelProcess {
public:
    explicit QuendrelProcess(const std::wstring& folder) : folder_(folder) {}
    ~QuendrelProcess();
    // Copies the exe into the folder (once) and starts it.
    bool Start();
    // Waits for the process to end on its own; its exit code, or -1.
    int WaitForExit(DWORD milliseconds);
    bool Running() const;
    // Waits until the program has handled what is queued and waits for input.
    bool Idle(DWORD milliseconds = 10000) const;
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

// Opens the configuration window from the tray icon and closes it, which
// saves the table, and reads SndCols.ini back; an empty table (and a test
// failure) when the file does not come.
SettingTable SaveThroughTheWindow(const QuendrelProcess& program, HWND form1, DWORD milliseconds = 10000);

// The process's top-level window of a class, waiting up to the given time.
HWND WaitForWindow(DWORD pid, const wchar_t* className, DWORD milliseconds = 15000, bool visible = false);
using test::FindProcessWindow;
// Waits until a condition holds; false on time-out.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = 10000) {
    const DWORD end = GetTickCount() + milliseconds;
    while (!condition()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
        Sleep(25);
    }
    return true;
}

// A visible message box of the process: its text (the Static children).
std::wstring MessageBoxText(HWND dialog);
void PressButton(HWND dialog, int id);
// Presses OK on the process's message boxes until none shows; whether any did.
bool AnswerMessageBoxes(DWORD pid, DWORD milliseconds = 10000);

std::wstring WindowText(HWND window);
// Child windows of a class, in creation order.
std::vector<HWND> Children(HWND parent, const wchar_t* className);

}  // namespace quendrel::e2e
