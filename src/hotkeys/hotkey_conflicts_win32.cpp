#include "hotkeys/hotkey_conflicts_win32.h"

#include "base/hotkey_value.h"
#include "win32/ui_texts.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

bool FitsBalloon(const std::wstring& text) { return text.size() <= TrayIcon::kBalloonTextMax; }

}  // namespace

std::wstring SystemKeyName(std::uint8_t virtualKey) {
    wchar_t name[64] = {};
    constexpr LONG kExtended = 1 << 24;
    const auto scanCode = static_cast<LONG>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    GetKeyNameTextW((scanCode << 16) | (IsExtendedOnlyKey(virtualKey) ? kExtended : 0), name, ARRAYSIZE(name));
    return name;
}

void HotkeyConflictWatch::Attach(Window& window) {
    retryTimer_.Attach(window);
    retryTimer_.onTick = Bind<&HotkeyConflictWatch::OnRetryTick>(this);
}

std::vector<std::wstring> HotkeyConflictWatch::Entries(const std::vector<std::size_t>& ids,
                                                       const ProgramHotkeys& keys) const {
    return ConflictEntryList(ids, keys, caption_, &SystemKeyName);
}

void HotkeyConflictWatch::SetRetrying(bool on) {
    if (on == retryTimer_.Running()) return;
    if (on)
        retryTimer_.Start();
    else
        retryTimer_.Stop();
}

void HotkeyConflictWatch::AfterRegistration() {
    const ProgramHotkeys keys = HotkeysOf(settings_);
    heldElsewhere_ = FindHotkeyConflicts(keys, hotkeys_.Refused()).heldElsewhere;
    if (report_.ShouldReport(heldElsewhere_, keys))
        tray_.ShowBalloon(texts::kAppTitle, FitConflictText(ConflictPlace::kBalloon, Entries(heldElsewhere_, keys),
                                                            FitsFunction::ToFunction<&FitsBalloon>()));
    SetRetrying(!heldElsewhere_.empty());
}

void HotkeyConflictWatch::BeforeWithdrawal() {
    SetRetrying(false);
    heldElsewhere_.clear();
}

void HotkeyConflictWatch::OnRetryTick() {
    // A tick already queued when the timer stopped is no retry.
    if (!retryTimer_.Running()) return;
    // Only the refused ones: the others hold their registration.
    const ProgramHotkeys keys = HotkeysOf(settings_);
    hotkeys_.Retry(keys, heldElsewhere_);
    heldElsewhere_ = FindHotkeyConflicts(keys, hotkeys_.Refused()).heldElsewhere;
    SetRetrying(!heldElsewhere_.empty());
}

std::vector<std::wstring> HotkeyConflictWatch::Unusable() const {
    const ProgramHotkeys keys = HotkeysOf(settings_);
    return Entries(FindHotkeyConflicts(keys, hotkeys_.Probe(keys)).Unusable(), keys);
}

}  // namespace quendrel
