#include "hotkeys/hotkey_conflicts_win32.h"

#include "base/hotkey_value.h"
#include "win32/ui_texts.h"
#include "win32/window_win32.h"

namespace quendrel {

std::wstring SystemKeyName(std::uint8_t virtualKey) {
    wchar_t name[64] = {};
    constexpr LONG kExtended = 1 << 24;
    const auto scanCode = static_cast<LONG>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    GetKeyNameTextW((scanCode << 16) | (IsExtendedOnlyKey(virtualKey) ? kExtended : 0), name, ARRAYSIZE(name));
    return name;
}

void HotkeyConflictWatch::Create(Window& window, HFONT font) {
    statusBar_.Create(window, font);
    retryTimer_.Attach(window);
    retryTimer_.onTick = [this] { OnRetryTick(); };
}

std::vector<std::wstring> HotkeyConflictWatch::Entries(const std::vector<std::size_t>& indices) const {
    // A lambda, not the function's address: std::function would bring the
    // run-time type information of function pointers into the exe.
    return ConflictEntryList(indices, table_, caption_, [](std::uint8_t key) { return SystemKeyName(key); });
}

void HotkeyConflictWatch::SetRetrying(bool on) {
    if (on == retryTimer_.Running()) return;
    if (on)
        retryTimer_.Start();
    else
        retryTimer_.Stop();
}

void HotkeyConflictWatch::AfterRegistration() {
    heldElsewhere_ = FindHotkeyConflicts(table_, hotkeys_.Refused()).heldElsewhere;
    if (report_.ShouldReport(heldElsewhere_, table_))
        tray_.ShowBalloon(texts::kAppTitle, FitConflictText(ConflictPlace::kBalloon, Entries(heldElsewhere_),
                                                            [](const std::wstring& text) {
                                                                return text.size() <= TrayIcon::kBalloonTextMax;
                                                            }));
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
    hotkeys_.Retry(table_, heldElsewhere_);
    heldElsewhere_ = FindHotkeyConflicts(table_, hotkeys_.Refused()).heldElsewhere;
    SetRetrying(!heldElsewhere_.empty());
}

void HotkeyConflictWatch::ShowStatus() {
    // The window's own hotkeys are withdrawn: whatever refuses a probe is
    // held by another program.
    const HotkeyConflicts conflicts = FindHotkeyConflicts(table_, hotkeys_.Probe(table_));
    const auto entries = Entries(conflicts.Unusable());
    const auto all = [](const std::wstring&) { return true; };
    const auto fits = [this](const std::wstring& text) { return statusBar_.Fits(text); };
    statusBar_.SetStatus(FitConflictText(ConflictPlace::kStatusBar, entries, fits),
                         FitConflictText(ConflictPlace::kStatusBar, entries, all));
}

void HotkeyConflictWatch::Opened() {
    open_ = true;
    ShowStatus();
}

void HotkeyConflictWatch::Closed() {
    open_ = false;
    statusBar_.SetStatus({});
}

void HotkeyConflictWatch::Edited() {
    if (open_) ShowStatus();
}

}  // namespace quendrel
