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

bool RegistersAKey(const SettingTable& table, std::size_t index) {
    if (index >= table.UsedRecords()) return false;
    const SettingRecord& record = table[index];
    return record.IsEnabled() && HotkeyVirtualKey(record.HotkeyValue()) != 0;
}

// The notification slot registers like any record, but nothing names it.
bool HasRegisteredKey(const SettingTable& table, std::size_t index) {
    return index != kNotifySlot && RegistersAKey(table, index);
}

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

std::vector<std::size_t> DuplicateHotkeys(const SettingTable& table) {
    std::vector<std::size_t> duplicates;
    std::vector<std::uint16_t> taken;
    for (std::size_t i = 0; i < table.UsedRecords(); ++i) {
        if (!RegistersAKey(table, i)) continue;
        const std::uint16_t combination = HotkeyCombination(table[i].HotkeyValue());
        if (std::find(taken.begin(), taken.end(), combination) == taken.end())
            taken.push_back(combination);
        else if (i != kNotifySlot)
            duplicates.push_back(i);
    }
    return duplicates;
}

std::vector<std::size_t> HotkeyConflicts::Unusable() const {
    std::vector<std::size_t> all;
    std::merge(heldElsewhere.begin(), heldElsewhere.end(), duplicates.begin(), duplicates.end(),
               std::back_inserter(all));
    return all;
}

HotkeyConflicts FindHotkeyConflicts(const SettingTable& table, const std::vector<std::size_t>& failed) {
    HotkeyConflicts conflicts;
    conflicts.duplicates = DuplicateHotkeys(table);
    for (std::size_t i = 0; i < table.UsedRecords(); ++i) {
        if (!HasRegisteredKey(table, i)) continue;
        if (std::find(failed.begin(), failed.end(), i) == failed.end()) continue;
        // A duplicate fails too, but because of us, not another program.
        if (std::binary_search(conflicts.duplicates.begin(), conflicts.duplicates.end(), i)) continue;
        conflicts.heldElsewhere.push_back(i);
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

std::vector<std::wstring> ConflictEntryList(const std::vector<std::size_t>& indices, const SettingTable& table,
                                            PresetCaptionFunction caption, KeyNameFunction keyName) {
    std::vector<std::wstring> entries;
    for (std::size_t index : indices) {
        if (index == kNotifySlot || index >= table.UsedRecords()) continue;
        entries.push_back(EntryName(index, caption) + Utf8ToWide(texts::kConflictKeyOpen) +
                          HotkeyText(table[index].HotkeyValue(), keyName) + Utf8ToWide(texts::kConflictKeyClose));
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

bool ConflictReport::ShouldReport(const std::vector<std::size_t>& heldElsewhere, const SettingTable& table) {
    std::vector<std::pair<std::size_t, std::uint16_t>> held;
    for (std::size_t index : heldElsewhere)
        if (index < table.UsedRecords()) held.emplace_back(index, HotkeyCombination(table[index].HotkeyValue()));
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
