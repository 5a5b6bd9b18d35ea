// Hotkeys that a registration pass leaves without effect: those another
// program holds, and those an earlier hotkey already uses (the pass runs in
// ascending order of identifier, so only the lower one acts). The program's
// hotkeys are the table's records, each by its index, then the microphone
// key (kMicrophoneHotkeyId). The Win32 side collects the identifiers whose
// RegisterHotKey failed, then:
//   conflicts = FindHotkeyConflicts(keys, failed);
//   entries = ConflictEntryList(conflicts.Unusable() or .heldElsewhere, ...);
//   the status bar or the balloon: FitConflictText(place, entries, fits),
//   the balloon only when report.ShouldReport(conflicts.heldElsewhere, keys).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/callback.h"
#include "table/setting_table.h"
#include "table/settings.h"

namespace quendrel {

// What RegisterHotKey is given for a hotkey value: the modifiers and the
// virtual key; bits 8..12 play no part.
constexpr std::uint16_t HotkeyCombination(std::uint16_t value) { return value & 0xE0FF; }

// One global hotkey of the program, as registered: identifier, value, switch.
struct ProgramHotkey {
    std::size_t id;
    std::uint16_t value;
    bool enabled;
};
using ProgramHotkeys = std::vector<ProgramHotkey>;

// The records 0 .. count + 4 in index order.
ProgramHotkeys HotkeysOf(const SettingTable& table);
// Those, then the microphone key.
ProgramHotkeys HotkeysOf(const Settings& settings);

// Hotkeys that are enabled and have a virtual key, whose combination a lower
// such hotkey already has; ascending. The notification slot takes its
// combination like any record but is never one of them. A value without a
// virtual key (0, or modifiers alone) is no key.
std::vector<std::size_t> DuplicateHotkeys(const ProgramHotkeys& keys);

struct HotkeyConflicts {
    std::vector<std::size_t> heldElsewhere;  // failed, and no lower record has the combination
    std::vector<std::size_t> duplicates;     // DuplicateHotkeys
    // Both, ascending: what the status bar lists.
    std::vector<std::size_t> Unusable() const;
};

// failed: the identifiers whose registration failed in the pass, in any
// order; those that are not enabled hotkeys with a key are dropped.
HotkeyConflicts FindHotkeyConflicts(const ProgramHotkeys& keys, const std::vector<std::size_t>& failed);

// The system's name of a virtual key, as the hotkey control gets it:
// GetKeyNameTextW of the key's scan code, with the extended bit for the keys
// that exist only as extended keys (IsExtendedOnlyKey).
using KeyNameFunction = std::wstring (*)(std::uint8_t virtualKey);
// A preset's caption in the list, by record index (5 ..).
using PresetCaptionFunction = Callback<std::wstring(std::size_t recordIndex)>;

constexpr std::uint8_t kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12;

// The key as the hotkey control writes it: the names of Ctrl, Shift and Alt
// (in that order, each followed by " + "), then the key's name.
std::wstring HotkeyText(std::uint16_t value, KeyNameFunction keyName);

// "name (key)" for each identifier; the slots 0..3 and the microphone key by
// their fixed names, presets by caption; the notification slot and
// identifiers that are not among the keys get no entry.
std::vector<std::wstring> ConflictEntryList(const std::vector<std::size_t>& ids, const ProgramHotkeys& keys,
                                            PresetCaptionFunction caption, KeyNameFunction keyName);

enum class ConflictPlace { kBalloon, kStatusBar };
using FitsFunction = Callback<bool(const std::wstring& text)>;
// The place's text with as many whole entries as fit, then "、ほか N 件"
// for the rest, never cut inside an entry; with none that fits, the count
// alone. Empty when there are no entries.
std::wstring FitConflictText(ConflictPlace place, const std::vector<std::wstring>& entries, FitsFunction fits);

// Whether the balloon is due: the hotkeys held elsewhere are not none and not
// those of the last balloon. A hotkey counts with its index and combination,
// so the same preset held again under another key is news; a set that goes
// away and comes back unchanged is not.
class ConflictReport {
public:
    // Remembers the set when it answers true.
    bool ShouldReport(const std::vector<std::size_t>& heldElsewhere, const ProgramHotkeys& keys);

private:
    std::vector<std::pair<std::size_t, std::uint16_t>> last_;
};

}  // namespace quendrel
