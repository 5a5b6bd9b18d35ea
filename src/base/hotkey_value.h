// The 16-bit hotkey value of a setting record and its conversions to the
// hotkey control and to RegisterHotKey.
#pragma once

#include <cstdint>

namespace quendrel {

constexpr std::uint16_t kHotkeyShift = 0x2000;
constexpr std::uint16_t kHotkeyCtrl = 0x4000;
constexpr std::uint16_t kHotkeyAlt = 0x8000;

// Hotkey control flags (HKM_GETHOTKEY high byte) and RegisterHotKey modifiers.
constexpr std::uint8_t kControlShift = 1, kControlCtrl = 2, kControlAlt = 4;
constexpr std::uint32_t kModAlt = 1, kModControl = 2, kModShift = 4;

inline std::uint8_t HotkeyVirtualKey(std::uint16_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

// HKM_GETHOTKEY result -> hotkey value; the extended-key flag is dropped.
inline std::uint16_t HotkeyFromControl(std::uint16_t control) {
    const std::uint8_t flags = static_cast<std::uint8_t>(control >> 8);
    std::uint16_t value = control & 0xFF;
    if (flags & kControlShift) value |= kHotkeyShift;
    if (flags & kControlCtrl) value |= kHotkeyCtrl;
    if (flags & kControlAlt) value |= kHotkeyAlt;
    return value;
}

// hotkey value -> HKM_SETHOTKEY argument.
inline std::uint16_t HotkeyToControl(std::uint16_t value) {
    std::uint8_t flags = 0;
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
