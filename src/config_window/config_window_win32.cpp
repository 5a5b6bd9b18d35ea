#include "config_window/config_window_win32.h"

#include "base/identity.h"
#include "config_window/config_window_texts.h"
#include "controls/combo_box_win32.h"
#include "hotkeys/hotkey_conflicts.h"
#include "mixer/mixer.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOPMOST | WS_EX_CONTROLPARENT;

bool AnyWidth(const std::wstring&) { return true; }

}  // namespace

ConfigWindow::ConfigWindow(Settings& settings, EditingHost& host, Mixer& mixer, SoundDevices& devices,
                           NotifyFontDialogs& fontDialogs)
    : host_(host),
      mixer_(mixer),
      presetPanel_(settings, host, mixer),
      functionPanel_(settings.table, fontDialogs),
      devicePanel_(settings, devices) {}

// The controls go with the panels; the native window must go first.
ConfigWindow::~ConfigWindow() { Destroy(); }

bool ConfigWindow::Create(HWND applicationWindow) {
    const std::wstring caption = Widen(identity::kConfigCaption);
    if (!CreateNative({identity::kConfigClass, caption.c_str(), kStyle, kExStyle,
                       WindowRectForClient(202, 186, 630, DevicePanel::kTop + DevicePanel::kHeight, kStyle, kExStyle),
                       applicationWindow, LoadIconW(ModuleInstance(), L"MAINICON")}))
        return false;
    font_ = MakeFont(texts::kConfigFont, 12);
    labelFont_ = MakeFont(texts::kConfigFont, 16, FW_BOLD);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    presetPanel_.Create(*this, font_.get(), labelFont_.get());
    functionPanel_.Create(*this, font_.get());
    statusBar_.Create(*this, font_.get());
    // After the halves: the keyboard reaches the band last.
    devicePanel_.Create(*this, font_.get(), labelFont_.get());
    presetPanel_.onHotkeysChanged = functionPanel_.onHotkeysChanged = devicePanel_.onHotkeysChanged =
        Bind<&ConfigWindow::OnHotkeysEdited>(this);
    presetPanel_.onPresetShown = Bind<&ConfigWindow::OnPresetShown>(this);
    return true;
}

LRESULT ConfigWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // Closing only hides: the program ends from the tray menu.
        Close();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            OnKeyDown(VK_ESCAPE);
            return 0;
        }
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

void ConfigWindow::ShowTable() {
    presetPanel_.ShowPresets();
    functionPanel_.ShowFunctionSettings();
    devicePanel_.ShowDeviceSettings();
}

void ConfigWindow::PresetAdded(std::size_t position) { presetPanel_.ShowAdded(static_cast<int>(position), false); }

void ConfigWindow::Open() {
    host_.BeginEditing();
    ShowUnusableHotkeys();
    WatchSystemVolume();
    devicePanel_.ShowDeviceSettings();
    devicePanel_.ReadDevices();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    presetPanel_.ShowSelectedPreset();
    SetFocus(presetPanel_.presetList.hwnd());
}

void ConfigWindow::WatchSystemVolume() {
    // The gauge shows the system volume while the window does, whoever
    // changes it; hidden, nothing is watched.
    mixer_.StopWatching();
    presetPanel_.ShowSystemVolume();
    mixer_.WatchDevice0(Bind<&PresetPanel::ShowSystemVolume>(&presetPanel_));
}

void ConfigWindow::DevicesChanged() {
    if (!IsWindowVisible(hwnd())) return;
    WatchSystemVolume();
    devicePanel_.ReadDevices();
}

void ConfigWindow::Close() {
    host_.EndEditing();
    // Puts back the volume saved when it was ticked; nothing if it was not.
    presetPanel_.applyAtOnce.SetChecked(false);
    mixer_.StopWatching();
    ShowWindow(hwnd(), SW_HIDE);
    statusBar_.SetStatus({});
}

void ConfigWindow::OnHotkeysEdited() {
    // Shown, the window is editing; hidden, a capture added a preset.
    if (IsWindowVisible(hwnd())) ShowUnusableHotkeys();
}

void ConfigWindow::ShowUnusableHotkeys() {
    const auto entries = host_.UnusableHotkeys();
    statusBar_.SetStatus(FitConflictText(ConflictPlace::kStatusBar, entries, Bind<&StatusBar::Fits>(&statusBar_)),
                         FitConflictText(ConflictPlace::kStatusBar, entries, FitsFunction::ToFunction<&AnyWidth>()));
    // The bar may have made the window run off the screen's work area.
    KeepOnWorkArea(hwnd());
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
    // Escape closes an open drop-down list, not the window.
    if (IsDroppedDownList(message.hwnd)) return false;
    if (message.wParam == VK_ESCAPE) {
        OnKeyDown(message.wParam);
        return true;
    }
    return false;
}

}  // namespace quendrel
