// What a trigger asks for, as a value: a hotkey, a notch of the wheel over
// the tray icon, a press on the icon, a command line. Every one goes through
// Actions::Submit to the one dispatcher; a new kind is a value here and a case
// in ActionDispatcher::Perform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "table/settings.h"

namespace quendrel {

// UTF-16 code units. Where wchar_t is 16 bits (Windows) it is the API's own
// type, and the runtime's std::wstring serves; elsewhere char16_t.
using Utf16Char = std::conditional_t<sizeof(wchar_t) == 2, wchar_t, char16_t>;
using Utf16String = std::basic_string<Utf16Char>;
using Utf16View = std::basic_string_view<Utf16Char>;

// The values up to kOpen are the command line's wire format (EncodeAction)
// and never change.
enum class ActionKind : std::uint8_t {
    kPresetByName = 1,      // name
    kPresetByPosition = 2,  // number: 1.. in the list
    kVolume = 3,            // number: 0..100, shown as "音量 N%"
    kUp = 4,
    kDown = 5,
    kMute = 6,
    kCapture = 7,
    kOpen = 8,         // the configuration window
    kNotifySlot = 9,   // the notification slot's own key: its name shown
    kDevice = 10,      // name: an output device as typed, its position 1.. or its name
    kMicrophone = 11,  // number: a MicrophoneChange
};

// What kMicrophone does to every microphone's mute.
enum MicrophoneChange : std::uint32_t {
    kMicrophoneToggle = 0,  // the opposite of the default microphone's
    kMicrophoneOn = 1,      // heard: not muted
    kMicrophoneOff = 2,     // muted
};

// Hotkeys act only for a ticked record (only those are registered); the
// wheel and the command line act unticked. The command line is answered.
enum class ActionOrigin : std::uint8_t { kHotkey, kWheel, kTray, kCommandLine };

struct Action {
    ActionKind kind = ActionKind::kOpen;
    ActionOrigin origin = ActionOrigin::kCommandLine;
    // kPresetByPosition: N as typed, saturated at UINT32_MAX (1..count acts);
    // kVolume: 0..100; 0 for the other kinds.
    std::uint32_t number = 0;
    // kPresetByName: 1..kNameMax UTF-16 units, no U+0000.
    Utf16String name;

    bool operator==(const Action& other) const {
        return kind == other.kind && origin == other.origin && number == other.number && name == other.name;
    }
};

// What Actions::Submit says of an action before it is performed.
enum class Verdict : unsigned char {
    kAccepted,     // performed after those before it
    kRefused,      // not now: start-up is not over, or the window is open
    kNoRecord,     // the table (or the device list) has nothing the action names
    kUnsupported,  // the system cannot: switch the output device, mute a microphone
};

// The action of a hotkey: its identifier is its record's index, or
// kMicrophoneHotkeyId for the microphone key. Nothing for any other.
std::optional<Action> HotkeyAction(std::size_t id);

// Whether the kind acts on a record of the table, as a hotkey does: only these
// need the table to hold what they name.
bool ActsOnRecord(ActionKind kind);
// The record whose hotkey the action stands for: the slot for kUp, kDown,
// kMute, kCapture and kNotifySlot; the preset at position 1..count; or the
// first preset in list order whose stored name equals nameCp932 byte for byte
// (an empty name matches nothing). Nothing for the kinds that act on no
// record.
std::optional<std::size_t> ActionRecord(const Action& action, const SettingTable& table,
                                        std::string_view nameCp932 = {});

}  // namespace quendrel
