#include "config_window/config_window_win32.h"

#include "about/about_window_win32.h"
#include "config_window/config_window_texts.h"
#include "mixer/mixer.h"
#include "notify/notification_window_win32.h"
#include "presets/preset_texts.h"
#include "profile/notify_profile_win32.h"
#include "table/settings_file_win32.h"
#include "table/table_texts.h"
#include "tray/tray_texts.h"
#include "win32/text_win32.h"
#include "win32/ui_texts.h"
#include "win32/ui_win32.h"

namespace quendrel {
namespace {

constexpr UINT kTrayMessage = WM_USER + 1;  // 1025
constexpr UINT kTrayIconId = 4;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

}  // namespace

ConfigWindow::ConfigWindow(const Parts& parts)
    : parts_(parts),
      presetPanel_(table_, applier_, parts.mixer, [this] { return ReadFadeSetting(); }),
      functionPanel_(table_, parts.fontDialogs),
      applier_(parts.mixer, fadeTimer_, presetPanel_),
      dispatcher_(table_, parts.mixer, applier_, *this),
      trayIcon_(parts.shellNotify),
      conflicts_(table_, hotkeys_, trayIcon_,
                 [this](std::size_t index) { return presetPanel_.ItemText(static_cast<int>(index - kFirstPreset)); }) {}

ConfigWindow::~ConfigWindow() {
    // The controls go with the panels; the native window must go first.
    Destroy();
}

bool ConfigWindow::Create(HWND applicationWindow) {
    const std::wstring caption = Widen(texts::kConfigCaption);
    if (!CreateNative({L"TForm1", caption.c_str(), kStyle, kExStyle,
                       WindowRectForClient(202, 186, 630, 285, kStyle, kExStyle), applicationWindow,
                       LoadIconW(ModuleInstance(), L"MAINICON")}))
        return false;
    font_ = MakeFont(texts::kConfigFont, 12);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    presetPanel_.Create(*this, font_.get());
    functionPanel_.Create(*this, font_.get());
    fadeTimer_.Attach(*this);
    fadeTimer_.onTick = [this] { applier_.FadeStep(); };
    hotkeys_.SetWindow(hwnd());
    conflicts_.Create(*this, font_.get());
    presetPanel_.onHotkeysChanged = functionPanel_.onHotkeysChanged = [this] { conflicts_.Edited(); };
    StartUp();
    return true;
}

LRESULT ConfigWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_HOTKEY:
        OnHotKey(wParam);
        return 0;
    case kTrayMessage:
        OnTrayMessage(lParam);
        return 0;
    case WM_CLOSE:
        // Closing only hides: the program ends from the tray menu.
        Close();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) OnEndSession();
        return 0;
    case WM_COPYDATA: {
        LRESULT answer = 0;
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data && onCopyData && onCopyData(*data, answer)) return answer;
        break;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            OnKeyDown(VK_ESCAPE);
            return 0;
        }
        break;
    default:
        // The shell restarted: the icon goes back.
        if (trayIcon_.OnShellMessage(message)) return 0;
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void ConfigWindow::OnTrayMessage(LPARAM mouseMessage) {
    // A press while start-up still waits (on its message) would open the
    // window before the table is there, and the hotkeys would follow it.
    if (!started_) return;
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        Open();
        break;
    case WM_RBUTTONDOWN: {
        POINT at{};
        GetCursorPos(&at);
        TrayMenu menu(hwnd(), parts_.autoStart, parts_.profile, MenuActions());
        menu.PopupAt(at);
        break;
    }
    default:
        break;
    }
}

void ConfigWindow::OnHotKey(WPARAM id) {
    // Until the table is loaded there is nothing to act on; a hotkey sent
    // while start-up waits on the system would meet a half-read table.
    if (!started_) return;
    Perform([this, id] { dispatcher_.DispatchHotKey(static_cast<unsigned>(id)); });
}

bool ConfigWindow::ReadFadeSetting() { return parts_.profile.ReadFadeSetting(); }

void ConfigWindow::AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) {
    presetPanel_.AddPreset(nameCp932, volume, hotkey, false);
}

bool ConfigWindow::NotifyEnabled() { return table_[kNotifySlot].IsEnabled(); }

void ConfigWindow::ShowNotification(const std::string& textCp932, std::int32_t seconds) {
    parts_.notification.Show(textCp932, seconds);
}

void ConfigWindow::StartUp() {
    trayIcon_.Add(hwnd(), kTrayIconId, kTrayMessage, L"MAINICON", texts::kTrayTip);
    // Without a sound device the program still runs: volume operations then
    // act on no device, and a device that appears later is used.
    if (parts_.mixer.DeviceCount() == 0) ShowMessage(texts::kNoSoundDevice);

    table_ = SettingTable{};
    const LoadResult loaded = parts_.settingsFile.LoadSettingTable(
        table_, [this](const std::string& name, std::int32_t volume, std::uint32_t hotkey) {
            presetPanel_.AddPreset(name, volume, hotkey, false);
        });
    if (loaded == LoadResult::Loaded) {
        RegisterHotKeys();
    } else {
        if (loaded == LoadResult::Unreadable) {
            // Keep the user's file: the first save puts a copy beside it.
            settingsUnreadable_ = true;
            ShowError(FormatText(texts::kCannotRead, parts_.settingsFile.Path()));
        }
        table_.SetDefaults();
        Open();
    }
    functionPanel_.ShowFunctionSettings();
    started_ = true;
}

void ConfigWindow::Open() {
    UnregisterHotKeys();
    conflicts_.Opened();
    // The gauge shows the system volume while the window does, whoever
    // changes it; hidden, nothing is watched.
    presetPanel_.ShowSystemVolume();
    parts_.mixer.WatchDevice0([this] { presetPanel_.ShowSystemVolume(); });
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    presetPanel_.ShowSelectedPreset();
}

bool ConfigWindow::Save() {
    if (!parts_.settingsFile.SaveSettingTable(table_, settingsUnreadable_)) return false;
    settingsUnreadable_ = false;
    return true;
}

void ConfigWindow::Close() {
    if (!Save()) ShowError(FormatText(texts::kCannotWrite, parts_.settingsFile.Path()));
    RegisterHotKeys();
    // Puts back the volume saved when it was ticked; nothing if it was not.
    presetPanel_.applyAtOnce.SetChecked(false);
    parts_.mixer.StopWatching();
    ShowWindow(hwnd(), SW_HIDE);
    conflicts_.Closed();
}

void ConfigWindow::OnEndSession() {
    // The session ends with the window open: its edits are saved as closing
    // would save them. Quitting never saves, so a closed window has nothing
    // to add; and no message box, since nobody is left to read it.
    if (IsWindowVisible(hwnd())) Save();
}

void ConfigWindow::OnKeyDown(WPARAM key) {
    if (key == VK_ESCAPE) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

bool ConfigWindow::PreviewKey(const MSG& message) {
    // With no control focused the keys come to the active window as system
    // keys; Escape without Alt is still Escape.
    constexpr LPARAM kAltDown = 1 << 29;
    const bool key =
        message.message == WM_KEYDOWN || (message.message == WM_SYSKEYDOWN && (message.lParam & kAltDown) == 0);
    if (!key || !hwnd()) return false;
    if (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd)) return false;
    // Keys typed into a caption editor are the editor's: Escape cancels the
    // edit there instead of closing the window.
    if (IsListCaptionEditor(message.hwnd)) return false;
    if (message.wParam == VK_ESCAPE) {
        OnKeyDown(message.wParam);
        return true;
    }
    return false;
}

void ConfigWindow::ShowAbout() { parts_.about.ShowModal(hwnd()); }

void ConfigWindow::Quit() {
    trayIcon_.Delete();
    PostQuitMessage(0);
}

TrayMenuActions ConfigWindow::MenuActions() {
    return {[this] { Open(); }, [this] { ShowAbout(); }, [this] { Quit(); }};
}

void ConfigWindow::RegisterHotKeys() {
    hotkeys_.RegisterHotKeys(table_);
    conflicts_.AfterRegistration();
}

void ConfigWindow::UnregisterHotKeys() {
    conflicts_.BeforeWithdrawal();
    hotkeys_.UnregisterHotKeys(table_.UsedRecords());
}

}  // namespace quendrel
