// Helpers of the in-process Windows tests.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "table/setting_table.h"

namespace quendrel::test {

// A fresh folder for the files a test makes; removed with its contents.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::wstring& path() const { return path_; }
    std::wstring File(const wchar_t* name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

std::vector<unsigned char> ReadBytes(const std::wstring& path);
// Reads until the end, for files that report no size (the host's /proc).
std::string ReadUntilEnd(const std::wstring& path);
// The host's /proc entry (Z:\proc\N) of the Wine process whose command line
// holds the text; empty when none does.
std::wstring HostProcessEntry(const std::string& commandLinePart);
void WriteBytes(const std::wstring& path, const std::vector<unsigned char>& bytes);
bool FileExists(const std::wstring& path);

// The files a program reads beside itself: the table as SndCols.ini, and the
// smooth-change switch in NotifyFont.ini.
void WriteSettings(const std::wstring& folder, const SettingTable& table);
void WriteFade(const std::wstring& folder, bool on);

// Answers the message boxes of this process from another thread, keeping
// their texts and captions.
class MessageBoxAnswerer {
public:
    explicit MessageBoxAnswerer(int button = IDOK);
    ~MessageBoxAnswerer();
    std::vector<std::wstring> texts() const { return Copy(texts_); }
    std::vector<std::wstring> captions() const { return Copy(captions_); }
    std::vector<HWND> owners() const { return Copy(owners_); }

private:
    template <typename T>
    T Copy(const T& seen) const {
        EnterCriticalSection(&lock_);
        T copy = seen;
        LeaveCriticalSection(&lock_);
        return copy;
    }
    void Run();
    int button_;
    std::atomic<bool> stop_{false};
    mutable CRITICAL_SECTION lock_;
    std::vector<std::wstring> texts_, captions_;
    std::vector<HWND> owners_;
    std::thread thread_;
};

// A process's top-level windows of a class (visible ones only when asked);
// pid 0 takes every process's.
std::vector<HWND> ProcessWindows(DWORD pid, const wchar_t* className, bool visibleOnly);
HWND FindProcessWindow(DWORD pid, const wchar_t* className, bool visibleOnly);
// Child windows (of a class, when one is given), in creation order.
std::vector<HWND> Children(HWND parent, const wchar_t* className = nullptr);
std::wstring WindowText(HWND window);
// A message box's text: its Static children's.
std::wstring MessageBoxText(HWND dialog);
// Takes a killed program's tray icon away, as quitting does: the shell would
// keep it until it notices.
void RemoveTrayIcon(DWORD pid);

// Waits until a condition holds; false on time-out.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD milliseconds = 10000) {
    const DWORD end = GetTickCount() + milliseconds;
    while (!condition()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
        Sleep(10);
    }
    return true;
}

// The primary monitor's work area as this process first read it. Wine can
// lose a long-lived process's display devices when another process rewrites
// them (every display call then fails for good), so the runner reads it once
// at start; the screen does not change during a run.
RECT PrimaryWorkArea();

// Runs this thread's messages until nothing is left or the time is up.
void PumpMessages(DWORD milliseconds = 50);

// True when another window cannot register this combination, because the
// program holds it.
bool IsHotkeyTaken(UINT modifiers, UINT virtualKey);

// A combination held by a window of its own, as another program holds it,
// until released.
class HotkeyHolder {
public:
    HotkeyHolder(UINT modifiers, UINT virtualKey);
    ~HotkeyHolder();
    HotkeyHolder(const HotkeyHolder&) = delete;
    HotkeyHolder& operator=(const HotkeyHolder&) = delete;
    // Whether the registration succeeded (and is not released yet).
    bool held() const { return held_; }
    void Release();

private:
    HWND window_ = nullptr;
    bool held_ = false;
};

// The name a screen reader reads for the window (its client object, through
// oleacc as another process asks); "(no object)" when it answers none.
std::wstring AccessibleName(HWND window);

// UTF-8 of a wide text, for test messages.
std::string Utf8Of(const std::wstring& text);

}  // namespace quendrel::test
