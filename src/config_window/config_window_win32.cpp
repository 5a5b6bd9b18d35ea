#include "config_window/config_window_win32.h"

#include <commctrl.h>

#include "about/about_window_win32.h"
#include "cli/action_receiver_win32.h"
#include "app/app_texts.h"
#include "tray/tray_menu_win32.h"
#include "mixer/mixer.h"
#include "notify/notification_window_win32.h"
#include "notify/notify_profile_win32.h"
#include "config_window/config_window_texts.h"
#include "table/settings_file_win32.h"
#include "win32/controls_win32.h"
#include "win32/text_win32.h"
#include "win32/trace_win32.h"
#include "win32/ui_texts.h"
#include "win32/ui_win32.h"

namespace quendrel {

TForm1* Form1 = nullptr;

namespace {

WNDPROC PrevWndProc = nullptr;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

}  // namespace

TForm1::TForm1(const TForm1Parts& parts)
    : applier(parts.mixer, *this, *this),
      dispatcher(table, parts.mixer, applier, *this),
      presets(table, applier, parts.mixer, [this] { return ReadFadeSetting(); }),
      functions(table, parts.fontDialogs),
      parts_(parts),
      trayIcon_(parts.shellNotify),
      conflicts_(table, hotkeys_, trayIcon_,
                 [this](std::size_t index) { return presets.ItemText(static_cast<int>(index - kFirstPreset)); }) {}

TForm1::~TForm1() {
    RemoveHook();
    // The controls go with the panels; the native window must go first.
    Destroy();
}

bool TForm1::Create(HWND applicationWindow) {
    Form1 = this;
    const std::wstring caption = Widen(texts::kConfigCaption);
    WindowSpec spec;
    spec.className = L"TForm1";
    spec.caption = caption.c_str();
    spec.style = kStyle;
    spec.exStyle = kExStyle;
    spec.rect = WindowRectForClient(202, 186, 630, 285, kStyle, kExStyle);
    spec.owner = applicationWindow;
    spec.icon = LoadIconW(ModuleInstance(), L"MAINICON");
    if (!CreateNative(spec)) return false;
    font_ = MakeFont(texts::kConfigFont, 12);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    presets.Create(*this, font_.get());
    functions.Create(*this, font_.get());
    hotkeys_.SetWindow(hwnd());
    conflicts_.Create(*this, font_.get());
    presets.onHotkeysChanged = functions.onHotkeysChanged = [this] { conflicts_.Edited(); };

    // The hook sits on top of the window's own procedure from now on.
    PrevWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd(), GWLP_WNDPROC));
    if (!SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm1::MainWindowHook)))
        TraceLastError(L"SetWindowLongPtrW(GWLP_WNDPROC)");

    FormCreate();
    return true;
}

void TForm1::RemoveHook() {
    if (hwnd() && PrevWndProc &&
        GetWindowLongPtrW(hwnd(), GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TForm1::MainWindowHook))
        SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PrevWndProc));
}

LRESULT CALLBACK TForm1::MainWindowHook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The window's own handling comes first, for every message.
    const LRESULT result = CallWindowProcW(PrevWndProc, hwnd, message, wParam, lParam);
    if (!Form1 || Form1->hwnd() != hwnd) return result;
    if (message == WM_HOTKEY)
        Form1->OnHotKey(wParam);
    else if (message == kTrayMessage)
        Form1->OnTrayMessage(lParam);
    else
        Form1->trayIcon_.OnShellMessage(message);  // the shell restarted: the icon goes back
    return result;
}

void TForm1::OnTrayMessage(LPARAM mouseMessage) {
    // A press while start-up still waits (on its message) would open the
    // window before the table is there, and the hotkeys would follow it.
    if (!started_) return;
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        ShowConfigWindow();
        break;
    case WM_RBUTTONDOWN:
        PopupTrayMenu(*this);
        break;
    default:
        break;
    }
}

void TForm1::OnHotKey(WPARAM id) {
    // Until the table is loaded there is nothing to act on; a hotkey sent
    // while start-up waits on the system would meet a half-read table.
    if (!started_) return;
    dispatcher.DispatchHotKey(static_cast<unsigned>(id));
}

void TForm1::Start() {
    SetTimer(hwnd(), kTimer1, 30, nullptr);
    timer1Running_ = true;
}

void TForm1::Stop() {
    KillTimer(hwnd(), kTimer1);
    timer1Running_ = false;
}

void TForm1::SetStatus(std::string_view utf8) {
    if (presets.Status.hwnd()) SetText(presets.Status.hwnd(), utf8);
}

void TForm1::SetGauge(int percent) {
    if (presets.Gauge1.hwnd()) presets.Gauge1.SetValue(percent);
}

bool TForm1::ReadFadeSetting() { return parts_.profile.ReadFadeSetting(); }

void TForm1::AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) {
    presets.AddPreset(nameCp932, volume, hotkey, false);
}

bool TForm1::NotifyEnabled() { return table[kNotifySlot].IsEnabled(); }

void TForm1::ShowNotification(const std::string& textCp932, std::int32_t seconds) {
    TForm3& notification = parts_.notification;
    if (!notification.hwnd()) return;
    notification.LoadNotifyFont();
    notification.SetNotifyText(textCp932);
    notification.ShowOnTop();
    notifyCounter.Start(seconds);
    // A running Timer2 keeps its rhythm.
    if (!timer2Running_) {
        SetTimer(hwnd(), kTimer2, 1000, nullptr);
        timer2Running_ = true;
    }
}

void TForm1::Timer1Timer() { applier.Timer1Timer(); }

void TForm1::Timer2Timer() {
    if (notifyCounter.Tick() && parts_.notification.hwnd()) ShowWindow(parts_.notification.hwnd(), SW_HIDE);
}

void TForm1::FormCreate() {
    trayIcon_.Add(hwnd(), kTrayIconId, kTrayMessage, L"MAINICON", texts::kTrayTip);
    // Without a sound device the program still runs: volume operations then
    // act on no device, and a device that appears later is used.
    if (parts_.mixer.DeviceCount() == 0) ShowMessage(texts::kNoSoundDevice);

    table = SettingTable{};
    const LoadResult loaded = parts_.settingsFile.LoadSettingTable(
        table, [this](const std::string& name, std::int32_t volume, std::uint32_t hotkey) {
            presets.AddPreset(name, volume, hotkey, false);
        });
    if (loaded == LoadResult::Loaded) {
        RegisterHotKeys();
    } else {
        if (loaded == LoadResult::Unreadable) {
            // Keep the user's file: the first save puts a copy beside it.
            settingsUnreadable_ = true;
            ShowError(FormatText(texts::kCannotRead, parts_.settingsFile.Path()));
        }
        table.SetDefaults();
        ShowConfigWindow();
    }
    functions.ShowFunctionSettings();
    started_ = true;
}

void TForm1::ShowConfigWindow() {
    UnregisterHotKeys();
    conflicts_.Opened();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    presets.ShowSelectedPreset();
}

void TForm1::FormClose() {
    if (parts_.settingsFile.SaveSettingTable(table, settingsUnreadable_))
        settingsUnreadable_ = false;
    else
        ShowError(FormatText(texts::kCannotWrite, parts_.settingsFile.Path()));
    RegisterHotKeys();
    // Puts back the volume saved when it was ticked; nothing if it was not.
    presets.RefreshHalt.SetChecked(false);
    ShowWindow(hwnd(), SW_HIDE);
    conflicts_.Closed();
}

void TForm1::FormKeyDown(WPARAM key) {
    if (key == VK_ESCAPE) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

bool TForm1::PreviewKey(const MSG& message) {
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
        FormKeyDown(message.wParam);
        return true;
    }
    return false;
}

void TForm1::OpenClick() { ShowConfigWindow(); }

void TForm1::About1Click() { parts_.about.ShowModal(hwnd()); }

void TForm1::Close1Click() {
    trayIcon_.Delete();
    PostQuitMessage(0);
}

void TForm1::RegisterHotKeys() {
    hotkeys_.RegisterHotKeys(table);
    conflicts_.AfterRegistration();
}

void TForm1::UnregisterHotKeys() {
    conflicts_.BeforeWithdrawal();
    hotkeys_.UnregisterHotKeys(table.UsedRecords());
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer1) Timer1Timer();
        if (wParam == kTimer2) Timer2Timer();
        conflicts_.OnTimer(wParam);
        return 0;
    case WM_CLOSE:
        // Closing only hides: the program ends from the tray menu.
        FormClose();
        return 0;
    case WM_COPYDATA: {
        // A command-line action from a second start.
        LRESULT answer = 0;
        if (ReceiveAction(*this, lParam, answer)) return answer;
        break;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            FormKeyDown(VK_ESCAPE);
            return 0;
        }
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quendrel
