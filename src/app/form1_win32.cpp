#include "app/form1_win32.h"

#include <commctrl.h>

#include "about/form2_win32.h"
#include "app/app_texts.h"
#include "app/tray_menu_win32.h"
#include "base/hotkey_value.h"
#include "mixer/mixer.h"
#include "notify/form3_win32.h"
#include "notify/notify_profile_win32.h"
#include "settings/setting_texts.h"
#include "settings/settings_file_win32.h"
#include "win32/controls_win32.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {

TForm1* Form1 = nullptr;

#if !defined(_WIN64)
// The first version of the tray record, as the 32-bit build hands it over.
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "NOTIFYICONDATAA first version");
#endif

namespace {

WNDPROC PrevWndProc = nullptr;
UINT g_taskbarCreated = 0;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

}  // namespace

TForm1::TForm1(Mixer& mixerPort) : mixer(mixerPort) {}

TForm1::~TForm1() { RemoveHook(); }

bool TForm1::Create(HWND applicationWindow) {
    Form1 = this;
    const RECT rect = WindowRectForClient(202, 186, 630, 285, kStyle, kExStyle);
    HICON icon = LoadIconW(ModuleInstance(), L"MAINICON");
    if (!CreateNative(L"TForm1", kExStyle, kStyle, Widen(texts::kConfigCaption).c_str(), rect.left, rect.top,
                      rect.right - rect.left, rect.bottom - rect.top, applicationWindow, icon))
        return false;
    font_ = MakeFont(texts::kConfigFont, 12);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    presets.Create(hwnd(), font_.get());
    functions.Create(hwnd(), font_.get());
    panels_ = {&presets, &functions};
    Status = presets.Status;
    Gauge1 = presets.Gauge1.hwnd();

    // The hook sits on top of the window's own procedure from now on.
    PrevWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd(), GWLP_WNDPROC));
    SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TForm1::MainWindowHook));
    g_taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");

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
    else if (message == g_taskbarCreated && g_taskbarCreated != 0)
        Form1->AddTrayIcon();  // the shell restarted: put the icon back
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
    if (Status) SetText(Status, utf8);
}

void TForm1::SetGauge(int percent) {
    if (Gauge1) SendMessageW(Gauge1, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

bool TForm1::ReadFadeSetting() { return quendrel::ReadFadeSetting(); }

void TForm1::AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) {
    AddPreset(nameCp932, volume, hotkey, false);
}

void TForm1::AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey, bool edit) {
    presets.AddPreset(nameCp932, volume, hotkey, edit);
}

bool TForm1::NotifyEnabled() { return table[kNotifySlot].IsEnabled(); }

void TForm1::ShowNotification(const std::string& textCp932, std::int32_t seconds) {
    if (!Form3) return;
    Form3->LoadNotifyFont();
    Form3->SetNotifyText(textCp932);
    Form3->ShowOnTop();
    notifyCounter.Start(seconds);
    // A running Timer2 keeps its rhythm.
    if (!timer2Running_) {
        SetTimer(hwnd(), kTimer2, 1000, nullptr);
        timer2Running_ = true;
    }
}

void TForm1::Timer1Timer() { applier.Timer1Timer(); }

void TForm1::Timer2Timer() {
    if (notifyCounter.Tick() && Form3) ShowWindow(Form3->hwnd(), SW_HIDE);
}

void TForm1::AddTrayIcon() {
    if (TrayIconData.cbSize == 0) {
        TrayIconData.cbSize = NOTIFYICONDATAW_V1_SIZE;
        TrayIconData.hWnd = hwnd();
        TrayIconData.uID = kTrayIconId;
        TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        TrayIconData.uCallbackMessage = kTrayMessage;
        TrayIconData.hIcon =
            static_cast<HICON>(LoadImageW(ModuleInstance(), L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
        lstrcpynW(TrayIconData.szTip, Widen(texts::kTrayTip).c_str(), 64);
    }
    Shell_NotifyIconW(NIM_ADD, &TrayIconData);
    trayIconShown_ = true;
}

void TForm1::DeleteTrayIcon() {
    if (trayIconShown_) Shell_NotifyIconW(NIM_DELETE, &TrayIconData);
    trayIconShown_ = false;
}

void TForm1::FormCreate() {
    AddTrayIcon();
    // Without a sound device the program still runs: volume operations then
    // act on no device, and a device that appears later is used.
    if (mixer.DeviceCount() == 0) ShowMessage(texts::kNoSoundDevice);

    table = SettingTable{};
    const LoadResult loaded =
        LoadSettingTable(table, [this](const std::string& name, std::int32_t volume, std::uint32_t hotkey) {
            presets.AddPreset(name, volume, hotkey, false);
        });
    if (loaded == LoadResult::Loaded) {
        RegisterHotKeys();
    } else {
        if (loaded == LoadResult::Unreadable) {
            // Keep the user's file: the first save puts a copy beside it.
            settingsUnreadable_ = true;
            ShowError(FormatText(texts::kCannotRead, SettingsFilePath()));
        }
        table.SetDefaults();
        ShowConfigWindow();
    }
    functions.ShowFunctionSettings();
    started_ = true;
}

void TForm1::ShowConfigWindow() {
    UnregisterHotKeys();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    presets.ShowSelectedPreset();
}

void TForm1::FormClose() {
    if (SaveSettingTable(table, settingsUnreadable_))
        settingsUnreadable_ = false;
    else
        ShowError(FormatText(texts::kCannotWrite, SettingsFilePath()));
    RegisterHotKeys();
    // Puts back the volume saved when it was ticked; nothing if it was not.
    presets.RefreshHalt.SetChecked(false);
    ShowWindow(hwnd(), SW_HIDE);
}

void TForm1::FormKeyDown(WPARAM key) {
    if (key == VK_ESCAPE) PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

bool TForm1::PreviewKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !hwnd()) return false;
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

void TForm1::About1Click() {
    if (Form2) Form2->ShowModal(hwnd());
}

void TForm1::Close1Click() {
    DeleteTrayIcon();
    PostQuitMessage(0);
}

void TForm1::RegisterHotKeys() {
    for (std::size_t i = 0; i < table.UsedRecords(); ++i) {
        const SettingRecord& record = table[i];
        if (!record.IsEnabled()) continue;
        const std::uint16_t value = record.HotkeyValue();
        RegisterHotKey(hwnd(), static_cast<int>(i), HotkeyModifiers(value), HotkeyVirtualKey(value));
    }
}

void TForm1::UnregisterHotKeys() {
    for (std::size_t i = 0; i < table.UsedRecords(); ++i) UnregisterHotKey(hwnd(), static_cast<int>(i));
}

bool TForm1::RouteToPanels(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (ControlPanel* panel : panels_) {
        switch (message) {
        case WM_COMMAND:
            if (panel->OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return true;
            break;
        case WM_NOTIFY:
            if (panel->OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return true;
            break;
        case WM_HSCROLL:
            if (panel->OnScroll(reinterpret_cast<HWND>(lParam))) return true;
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HBRUSH brush = nullptr;
            if (panel->OnColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), brush)) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteToPanels(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer1) Timer1Timer();
        if (wParam == kTimer2) Timer2Timer();
        return 0;
    case WM_CLOSE:
        // Closing only hides: the program ends from the tray menu.
        FormClose();
        return 0;
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
