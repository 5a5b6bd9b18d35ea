#include "hotkeys/hotkey_conflicts.h"

#include <algorithm>
#include <iterator>

#include "base/decimal.h"
#include "base/hotkey_value.h"
#include "base/utf8.h"
#include "hotkeys/hotkey_texts.h"
#include "table/table_texts.h"

namespace quendrel {

namespace {

const ProgramHotkey* Find(const ProgramHotkeys& keys, std::size_t id) {
    for (const ProgramHotkey& key : keys)
        if (key.id == id) return &key;
    return nullptr;
}

bool RegistersAKey(const ProgramHotkey& key) { return key.enabled && HotkeyVirtualKey(key.value) != 0; }

std::wstring EntryName(std::size_t index, PresetCaptionFunction caption) {
    switch (index) {
    case kUpSlot:
        return Utf8ToWide(texts::kUpFunction);
    case kDownSlot:
        return Utf8ToWide(texts::kDownFunction);
    case kMuteSlot:
        return Utf8ToWide(texts::kMuteFunction);
    case kCaptureSlot:
        return Utf8ToWide(texts::kCaptureFunction);
    case kMicrophoneHotkeyId:
        return Utf8ToWide(texts::kMicrophoneFunction);
    default:
        return caption(index);
    }
}

// The first count entries joined by "、".
std::wstring Joined(const std::vector<std::wstring>& entries, std::size_t count) {
    std::wstring text;
    for (std::size_t i = 0; i < count && i < entries.size(); ++i) {
        if (i > 0) text += Utf8ToWide(texts::kConflictSeparator);
        text += entries[i];
    }
    return text;
}

}  // namespace

ProgramHotkeys HotkeysOf(const SettingTable& table) {
    ProgramHotkeys keys;
    for (std::size_t i = 0; i < table.UsedRecords(); ++i)
        keys.push_back({i, table[i].HotkeyValue(), table[i].IsEnabled()});
    return keys;
}

ProgramHotkeys HotkeysOf(const Settings& settings) {
    ProgramHotkeys keys = HotkeysOf(settings.table);
    keys.push_back({kMicrophoneHotkeyId, settings.devices.microphoneKey, settings.devices.microphone});
    return keys;
}

std::vector<std::size_t> DuplicateHotkeys(const ProgramHotkeys& keys) {
    std::vector<std::size_t> duplicates;
    std::vector<std::uint16_t> taken;
    for (const ProgramHotkey& key : keys) {
        if (!RegistersAKey(key)) continue;
        const std::uint16_t combination = HotkeyCombination(key.value);
        if (std::find(taken.begin(), taken.end(), combination) == taken.end())
            taken.push_back(combination);
        else if (key.id != kNotifySlot)
            duplicates.push_back(key.id);
    }
    return duplicates;
}

std::vector<std::size_t> HotkeyConflicts::Unusable() const {
    std::vector<std::size_t> all;
    std::merge(heldElsewhere.begin(), heldElsewhere.end(), duplicates.begin(), duplicates.end(),
               std::back_inserter(all));
    return all;
}

HotkeyConflicts FindHotkeyConflicts(const ProgramHotkeys& keys, const std::vector<std::size_t>& failed) {
    HotkeyConflicts conflicts;
    conflicts.duplicates = DuplicateHotkeys(keys);
    for (const ProgramHotkey& key : keys) {
        // The notification slot registers like any record, but nothing names it.
        if (key.id == kNotifySlot || !RegistersAKey(key)) continue;
        if (std::find(failed.begin(), failed.end(), key.id) == failed.end()) continue;
        // A duplicate fails too, but because of us, not another program.
        if (std::binary_search(conflicts.duplicates.begin(), conflicts.duplicates.end(), key.id)) continue;
        conflicts.heldElsewhere.push_back(key.id);
    }
    return conflicts;
}

std::wstring HotkeyText(std::uint16_t value, KeyNameFunction keyName) {
    const std::wstring join = Utf8ToWide(texts::kKeyJoin);
    std::wstring text;
    if (value & kHotkeyCtrl) text += keyName(kVkControl) + join;
    if (value & kHotkeyShift) text += keyName(kVkShift) + join;
    if (value & kHotkeyAlt) text += keyName(kVkMenu) + join;
    if (const std::uint8_t key = HotkeyVirtualKey(value)) text += keyName(key);
    return text;
}

std::vector<std::wstring> ConflictEntryList(const std::vector<std::size_t>& ids, const ProgramHotkeys& keys,
                                            PresetCaptionFunction caption, KeyNameFunction keyName) {
    std::vector<std::wstring> entries;
    for (std::size_t id : ids) {
        const ProgramHotkey* key = Find(keys, id);
        if (id == kNotifySlot || !key) continue;
        entries.push_back(EntryName(id, caption) + Utf8ToWide(texts::kConflictKeyOpen) +
                          HotkeyText(key->value, keyName) + Utf8ToWide(texts::kConflictKeyClose));
    }
    return entries;
}

std::wstring FitConflictText(ConflictPlace place, const std::vector<std::wstring>& entries, FitsFunction fits) {
    if (entries.empty()) return {};
    const char* prefix = place == ConflictPlace::kBalloon ? texts::kConflictBalloon : texts::kConflictStatus;
    std::wstring text;
    for (std::size_t shown = entries.size() + 1; shown-- > 0;) {
        text = Utf8ToWide(prefix) + Joined(entries, shown);
        if (shown < entries.size()) {
            if (shown > 0) text += Utf8ToWide(texts::kConflictSeparator);
            text += Utf8ToWide(texts::kMoreBefore) + FormatDecimalW(static_cast<std::int64_t>(entries.size() - shown)) +
                    Utf8ToWide(texts::kMoreAfter);
        }
        if (fits(text)) break;
    }
    return text;
}

bool ConflictReport::ShouldReport(const std::vector<std::size_t>& heldElsewhere, const ProgramHotkeys& keys) {
    std::vector<std::pair<std::size_t, std::uint16_t>> held;
    for (std::size_t id : heldElsewhere)
        if (const ProgramHotkey* key = Find(keys, id)) held.emplace_back(id, HotkeyCombination(key->value));
    // The same set in any order; both are small.
    const auto within = [](const auto& some, const auto& others) {
        return std::all_of(some.begin(), some.end(), [&](const auto& one) {
            return std::find(others.begin(), others.end(), one) != others.end();
        });
    };
    if (held.empty() || (within(held, last_) && within(last_, held))) return false;
    last_ = std::move(held);
    return true;
}

}  // namespace quendrel
