#include "resident/resident_win32.h"

#include <cstdlib>

#include "about/about_window_win32.h"
#include "base/identity.h"
#include "cli/action_receiver_win32.h"
#include "devices/sound_devices.h"
#include "hotkeys/hotkey_conflicts.h"
#include "mixer/mixer.h"
#include "notify/notification_window_win32.h"
#include "profile/notify_profile_win32.h"
#include "resident/resident_texts.h"
#include "table/settings_file_win32.h"
#include "table/table_texts.h"
#include "tray/tray_menu_win32.h"
#include "tray/tray_texts.h"
#include "win32/text_win32.h"
#include "win32/ui_texts.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

Action TrayAction(ActionKind kind) {
    Action action;
    action.kind = kind;
    action.origin = ActionOrigin::kTray;
    return action;
}

}  // namespace

Resident::Resident(const Parts& parts)
    : parts_(parts),
      table_(parts.settings.table),
      applier_(parts.mixer, fadeTimer_),
      actions_(parts.settings, parts.mixer, applier_, *this, parts.devices),
      trayIcon_(parts.shell),
      wheel_(trayIcon_, parts.profile, Bind<&Resident::OnWheel>(this)),
      conflicts_(parts.settings, hotkeys_, trayIcon_, Bind<&Resident::PresetCaption>(this)) {}

void Resident::StartUp(Window& receiver, ResidentView& view) {
    receiver_ = &receiver;
    view_ = &view;
    receiver.Intercept(Bind<&Resident::OnMessage>(this));
    applier_.SetView(&view);
    fadeTimer_.Attach(receiver);
    fadeTimer_.onTick = Bind<&VolumeApplier::FadeStep>(&applier_);
    hotkeys_.SetWindow(receiver.hwnd());
    conflicts_.Attach(receiver);
    wheel_.Attach(receiver);

    trayIcon_.Add(receiver.hwnd(), identity::kTrayIconId, identity::kTrayMessage, L"MAINICON", texts::kTrayTip);
    // Without a sound device the program still runs: volume operations then
    // act on no device, and a device that appears later is used.
    if (parts_.mixer.DeviceCount() == 0) ShowMessage(texts::kNoSoundDevice);

    Settings& settings = parts_.settings;
    settings = Settings{};
    const LoadResult loaded = parts_.settingsFile.LoadSettingTable(table_);
    if (loaded == LoadResult::Unreadable) {
        // Keep the user's file: the first save puts a copy beside it.
        settingsUnreadable_ = true;
        ShowError(FormatText(texts::kCannotRead, parts_.settingsFile.Path()));
    }
    if (loaded != LoadResult::Loaded) table_.SetDefaults();
    for (std::size_t position = 0; position < table_.count; ++position)
        settings.captions[position] = FromCp932(table_.Preset(position).Name());
    settings.devices = parts_.profile.ReadDevices(settings.PresetNames());
    view.ShowTable();
    if (loaded == LoadResult::Loaded) {
        RegisterHotKeys();
        actions_.SetPhase(Actions::Phase::kResident);
    } else {
        view.Open();
        actions_.SetPhase(Actions::Phase::kEditing);
    }
    UpdateDeviceWatch();
}

void Resident::ShutDown() {
    if (watchingDevices_) parts_.devices.StopWatching();
    watchingDevices_ = false;
    trayIcon_.Delete();
    if (receiver_) receiver_->Intercept({});
    applier_.SetView(nullptr);
    view_ = nullptr;
}

bool Resident::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_HOTKEY:
        if (const auto action = HotkeyAction(wParam)) actions_.Submit(*action);
        return true;
    case identity::kTrayMessage:
        OnTrayMessage(lParam);
        return true;
    case WM_COPYDATA:
        return lParam && ReceiveAction(actions_, *reinterpret_cast<const COPYDATASTRUCT*>(lParam), result);
    case WM_INPUT:
        wheel_.OnRawInput(lParam);
        return false;  // the system cleans up after it
    case WM_DEVICECHANGE:
        // Where the system sends no other news of devices (Windows XP).
        parts_.devices.DevicesChanged();
        return false;
    case WM_QUERYENDSESSION:
        result = TRUE;
        return true;
    case WM_ENDSESSION:
        if (wParam) OnEndSession();
        return true;
    default:
        // The shell restarted: the icon goes back.
        return trayIcon_.OnShellMessage(message);
    }
}

void Resident::OnTrayMessage(LPARAM mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
        actions_.Submit(TrayAction(ActionKind::kOpen));
        break;
    case WM_MOUSEMOVE:
        wheel_.OnIconMouseMove();
        break;
    case WM_RBUTTONDOWN: {
        // The menu's items need what start-up has not made yet; a press
        // while start-up waits (on its message) shows nothing.
        if (actions_.phase() == Actions::Phase::kStarting) break;
        POINT at{};
        GetCursorPos(&at);
        TrayMenu menu(
            receiver_->hwnd(), parts_.autoStart, parts_.profile,
            {Bind<&Resident::OnMenuOpen>(this), Bind<&Resident::OnMenuAbout>(this), Bind<&Resident::OnMenuQuit>(this)});
        menu.PopupAt(at);
        break;
    }
    default:
        break;
    }
}

void Resident::OnEndSession() {
    // The session ends with the window open: its edits are saved as closing
    // would save them. Quitting never saves, so a closed window has nothing
    // to add; and no message box, since nobody is left to read it.
    if (actions_.phase() == Actions::Phase::kEditing) Save();
}

void Resident::BeginEditing() {
    UnregisterHotKeys();
    if (actions_.phase() != Actions::Phase::kStarting) actions_.SetPhase(Actions::Phase::kEditing);
    UpdateDeviceWatch();
}

void Resident::EndEditing() {
    if (const auto failed = Save()) ShowError(FormatText(texts::kCannotWrite, *failed));
    RegisterHotKeys();
    if (actions_.phase() != Actions::Phase::kStarting) actions_.SetPhase(Actions::Phase::kResident);
    UpdateDeviceWatch();
}

void Resident::Hear(int percent) { applier_.ApplyVolume(percent, ReadFadeSetting()); }

void Resident::Restore() { applier_.OnApplyAtOnceCleared(ReadFadeSetting()); }

std::optional<std::wstring> Resident::Save() {
    if (!parts_.settingsFile.SaveSettingTable(table_, settingsUnreadable_)) return parts_.settingsFile.Path();
    settingsUnreadable_ = false;
    // Keyed by the names just saved: an entry checks its preset's name.
    if (!parts_.profile.WriteDevices(parts_.settings.PresetNames(), parts_.settings.devices))
        return parts_.profile.Path();
    return std::nullopt;
}

void Resident::RegisterHotKeys() {
    hotkeys_.RegisterHotKeys(HotkeysOf(parts_.settings));
    conflicts_.AfterRegistration();
}

void Resident::UnregisterHotKeys() {
    conflicts_.BeforeWithdrawal();
    hotkeys_.UnregisterHotKeys();
}

void Resident::UpdateDeviceWatch() {
    const bool wanted = parts_.settings.devices.arrival || actions_.phase() == Actions::Phase::kEditing;
    if (wanted == watchingDevices_) return;
    watchingDevices_ = wanted;
    if (wanted)
        parts_.devices.Watch({Bind<&Resident::OnOutputArrived>(this), Bind<&Resident::OnDefaultOutputChanged>(this)});
    else
        parts_.devices.StopWatching();
}

void Resident::OnOutputArrived(const std::wstring& id) {
    // The volume and the mute that the last action set on every device;
    // before any action there is nothing to give it.
    const VolumeApplier::LastSet& last = applier_.lastSet();
    if (parts_.settings.devices.arrival && actions_.phase() != Actions::Phase::kStarting &&
        (last.percent || last.muted)) {
        std::optional<unsigned> percent;
        if (last.percent) percent = static_cast<unsigned>(*last.percent);
        parts_.devices.SetOutputVolume(id, percent, last.muted);
    }
    if (view_) view_->DevicesChanged();
}

void Resident::OnDefaultOutputChanged() {
    if (view_) view_->DevicesChanged();
}

std::wstring Resident::PresetCaption(std::size_t recordIndex) const {
    return parts_.settings.captions[recordIndex - kFirstPreset];
}

void Resident::OnWheel(int notches) {
    Action step;
    step.kind = notches > 0 ? ActionKind::kUp : ActionKind::kDown;
    step.origin = ActionOrigin::kWheel;
    for (int notch = 0; notch < std::abs(notches); ++notch) actions_.Submit(step);
}

bool Resident::ReadFadeSetting() { return parts_.profile.ReadFadeSetting(); }

void Resident::AddPreset(const std::string& nameCp932, std::int32_t volume, std::uint32_t hotkey) {
    const auto index = parts_.settings.AddPreset(nameCp932, FromCp932(nameCp932), volume, hotkey);
    if (!index) return ShowMessage(texts::kTooManyPresets);
    view_->PresetAdded(*index - kFirstPreset);
}

void Resident::ShowNotification(const std::string& textCp932, std::int32_t seconds) {
    parts_.notification.Show(textCp932, seconds);
}

void Resident::OpenWindow() { view_->Open(); }

std::string Resident::StoredName(const Utf16String& name) { return ToCp932Exactly(name).value_or(std::string()); }

void Resident::TellOutputNotChosen(SwitchResult why, const std::wstring& deviceName) {
    trayIcon_.ShowBalloon(texts::kAppTitle, Widen(why == SwitchResult::kCannotSwitch
                                                      ? std::string(texts::kPresetOutputCannotSwitch)
                                                      : FormatText(texts::kPresetOutputAbsent, deviceName)));
}

void Resident::OnMenuOpen() { actions_.Submit(TrayAction(ActionKind::kOpen)); }

void Resident::OnMenuAbout() { parts_.about.ShowModal(receiver_->hwnd()); }

void Resident::OnMenuQuit() {
    trayIcon_.Delete();
    PostQuitMessage(0);
}

}  // namespace quendrel
