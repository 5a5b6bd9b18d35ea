#include "win_test_support.h"

#include <oleacc.h>

#include <cstdio>

#include "base/identity.h"

namespace quendrel::test {

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int serial = 0;
    wchar_t name[MAX_PATH];
    swprintf(name, MAX_PATH, L"%lsquendrel-test-%lu-%d", base, GetCurrentProcessId(), ++serial);
    path_ = name;
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring file = path_ + L"\\" + found.cFileName;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
                SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(file.c_str());
            }
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path_.c_str());
}

std::vector<unsigned char> ReadBytes(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD got = 0;
    if (!bytes.empty()) ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::vector<unsigned char>& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (!bytes.empty()) WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadUntilEnd(const std::wstring& path) {
    std::string text;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

std::wstring HostProcessEntry(const std::string& commandLinePart) {
    std::wstring entry;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &found);
    if (find == INVALID_HANDLE_VALUE) return entry;
    do {
        if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') continue;
        const std::wstring base = std::wstring(L"Z:\\proc\\") + found.cFileName;
        if (ReadUntilEnd(base + L"\\cmdline").find(commandLinePart) != std::string::npos) entry = base;
    } while (entry.empty() && FindNextFileW(find, &found));
    FindClose(find);
    return entry;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void WriteSettings(const std::wstring& folder, const SettingTable& table) {
    const auto image = table.Image();
    WriteBytes(folder + L"\\SndCols.ini", {image.begin(), image.end()});
}

void WriteFade(const std::wstring& folder, bool on) {
    WritePrivateProfileStringW(L"Changes", L"FADE", on ? L"1" : L"0", (folder + L"\\NotifyFont.ini").c_str());
}

MessageBoxAnswerer::MessageBoxAnswerer(int button) : button_(button) {
    InitializeCriticalSection(&lock_);
    thread_ = std::thread([this] { Run(); });
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    stop_ = true;
    thread_.join();
    DeleteCriticalSection(&lock_);
}

namespace {
BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}
}  // namespace

void MessageBoxAnswerer::Run() {
    while (!stop_) {
        if (HWND found = FindProcessWindow(GetCurrentProcessId(), L"#32770", true)) {
            const std::wstring text = MessageBoxText(found), caption = WindowText(found);
            EnterCriticalSection(&lock_);
            texts_.push_back(text);
            captions_.push_back(caption);
            owners_.push_back(GetWindow(found, GW_OWNER));
            LeaveCriticalSection(&lock_);
            HWND button = GetDlgItem(found, button_);
            PostMessageW(found, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), reinterpret_cast<LPARAM>(button));
            for (int i = 0; i < 100 && IsWindow(found) && IsWindowVisible(found); ++i) Sleep(10);
        }
        Sleep(20);
    }
}

std::vector<HWND> ProcessWindows(DWORD pid, const wchar_t* className, bool visibleOnly) {
    std::vector<HWND> all, matching;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    for (HWND window : all) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t cls[128];
        GetClassNameW(window, cls, 128);
        if ((pid == 0 || owner == pid) && lstrcmpW(cls, className) == 0 && (!visibleOnly || IsWindowVisible(window)))
            matching.push_back(window);
    }
    return matching;
}

HWND FindProcessWindow(DWORD pid, const wchar_t* className, bool visibleOnly) {
    const auto found = ProcessWindows(pid, className, visibleOnly);
    return found.empty() ? nullptr : found[0];
}

std::vector<HWND> Children(HWND parent, const wchar_t* className) {
    std::vector<HWND> all, matching;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
    for (HWND child : all) {
        wchar_t cls[128];
        GetClassNameW(child, cls, 128);
        if (!className || lstrcmpiW(cls, className) == 0) matching.push_back(child);
    }
    return matching;
}

std::wstring WindowText(HWND window) {
    wchar_t text[2048];
    GetWindowTextW(window, text, 2048);
    return text;
}

std::wstring MessageBoxText(HWND dialog) {
    std::wstring text;
    for (HWND child : Children(dialog, L"Static")) text += WindowText(child);
    return text;
}

void RemoveTrayIcon(DWORD pid) {
    if (HWND configWindow = FindProcessWindow(pid, identity::kConfigClass, false)) {
        NOTIFYICONDATAW icon{};
        icon.cbSize = NOTIFYICONDATAW_V1_SIZE;
        icon.hWnd = configWindow;
        icon.uID = identity::kTrayIconId;
        Shell_NotifyIconW(NIM_DELETE, &icon);
    }
}

RECT PrimaryWorkArea() {
    static const RECT work = [] {
        RECT read{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &read, 0);
        return read;
    }();
    return work;
}

void PumpMessages(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(1);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

bool IsHotkeyTaken(UINT modifiers, UINT virtualKey) {
    // Registered from another thread's window-less queue: only the system-wide
    // collision matters.
    bool taken = false;
    std::thread probe([&] {
        if (RegisterHotKey(nullptr, 0xBFFF, modifiers, virtualKey)) {
            UnregisterHotKey(nullptr, 0xBFFF);
        } else {
            taken = GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
        }
    });
    probe.join();
    return taken;
}

HotkeyHolder::HotkeyHolder(UINT modifiers, UINT virtualKey)
    : window_(CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {
    held_ = window_ && RegisterHotKey(window_, 1, modifiers, virtualKey);
}

HotkeyHolder::~HotkeyHolder() {
    Release();
    if (window_) DestroyWindow(window_);
}

void HotkeyHolder::Release() {
    if (held_) UnregisterHotKey(window_, 1);
    held_ = false;
}

}  // namespace quendrel::test

namespace quendrel::test {

std::wstring AccessibleName(HWND window) {
    using FromWindow = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);
    using Free = void(WINAPI*)(BSTR);
    static const auto fromWindow = reinterpret_cast<FromWindow>(
        reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"oleacc.dll"), "AccessibleObjectFromWindow")));
    static const auto free =
        reinterpret_cast<Free>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"oleaut32.dll"), "SysFreeString")));
    static const IID accessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
    IAccessible* object = nullptr;
    if (!fromWindow ||
        FAILED(fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), accessible, reinterpret_cast<void**>(&object))) ||
        !object)
        return L"(no object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring text;
    if (object->get_accName(self, &name) == S_OK && name) {
        text = name;
        free(name);
    }
    object->Release();
    return text;
}

std::string Utf8Of(const std::wstring& text) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace quendrel::test
