// The 16-bit hotkey value of a setting record and its conversions to the
// hotkey control and to RegisterHotKey.
#pragma once

#include <cstdint>

namespace quendrel {

constexpr std::uint16_t kHotkeyShift = 0x2000;
constexpr std::uint16_t kHotkeyCtrl = 0x4000;
constexpr std::uint16_t kHotkeyAlt = 0x8000;

// Hotkey control flags (HKM_GETHOTKEY high byte) and RegisterHotKey modifiers.
constexpr std::uint8_t kControlShift = 1, kControlCtrl = 2, kControlAlt = 4, kControlExtended = 8;
constexpr std::uint32_t kModAlt = 1, kModControl = 2, kModShift = 4;

inline std::uint8_t HotkeyVirtualKey(std::uint16_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

// Modifiers held with no key yet: what a hotkey control shows while a
// combination is being typed, and after Shift+Tab has passed through it.
// Such a value is no hotkey.
inline bool IsHalfTyped(std::uint16_t value) { return value != 0 && HotkeyVirtualKey(value) == 0; }

// A hotkey value keeps no extended-key flag (the file has no room for it),
// yet keys that exist only as extended keys must be shown and named as such,
// or an arrow reads as the keypad's: the arrows, Insert, Delete, Home, End,
// Page Up, Page Down, the keypad's Divide, the right-hand Ctrl and Alt, the
// Windows keys and the Apps key.
constexpr bool IsExtendedOnlyKey(std::uint8_t virtualKey) {
    return (virtualKey >= 0x21 && virtualKey <= 0x28) || virtualKey == 0x2D || virtualKey == 0x2E ||
           (virtualKey >= 0x5B && virtualKey <= 0x5D) || virtualKey == 0x6F || virtualKey == 0xA3 || virtualKey == 0xA5;
}

// HKM_GETHOTKEY result -> hotkey value; the extended-key flag is dropped.
inline std::uint16_t HotkeyFromControl(std::uint16_t control) {
    const std::uint8_t flags = static_cast<std::uint8_t>(control >> 8);
    std::uint16_t value = control & 0xFF;
    if (flags & kControlShift) value |= kHotkeyShift;
    if (flags & kControlCtrl) value |= kHotkeyCtrl;
    if (flags & kControlAlt) value |= kHotkeyAlt;
    return value;
}

// hotkey value -> HKM_SETHOTKEY argument, the extended flag restored.
inline std::uint16_t HotkeyToControl(std::uint16_t value) {
    std::uint8_t flags = IsExtendedOnlyKey(HotkeyVirtualKey(value)) ? kControlExtended : 0;
    if (value & kHotkeyShift) flags |= kControlShift;
    if (value & kHotkeyCtrl) flags |= kControlCtrl;
    if (value & kHotkeyAlt) flags |= kControlAlt;
    return static_cast<std::uint16_t>((flags << 8) | (value & 0xFF));
}

// hotkey value -> RegisterHotKey modifiers.
inline std::uint32_t HotkeyModifiers(std::uint16_t value) {
    std::uint32_t modifiers = 0;
    if (value & kHotkeyAlt) modifiers |= kModAlt;
    if (value & kHotkeyCtrl) modifiers |= kModControl;
    if (value & kHotkeyShift) modifiers |= kModShift;
    return modifiers;
}

// Preset hotkeys handed out by New and by capture: Shift+Ctrl+F1 onwards.
inline std::uint32_t NextPresetHotkey(std::uint8_t presetCount) { return 0x6070u + presetCount; }

}  // namespace quendrel
