// What NotifyFont.ini keeps for the sound devices, in sections of their own:
//
//   [Devices]
//   Microphone=1            the microphone key's switch, off unless a non-zero integer
//   MicrophoneKey=24653     its hotkey value, as SndCols.ini keeps hotkeys
//   Arrival=0               devices that arrive take the volume; off unless non-zero
//   [PresetDevices]
//   3=Late%20night,{0.0.0.00000000}.{...},Headset
//
// A preset's entry is keyed by its position 1.. and carries the preset's
// name, then the device's id and name; an entry whose name is not that of
// the preset at its position now is ignored. The three are kept in printable
// ASCII whatever the file's code page, so that the profile functions pass
// them unchanged: every byte outside '!'..'~', and '%', ',', '"' and '\'',
// is written %XX (two upper-case hex digits); the preset's name as its code
// page 932 bytes, the device's id and name as UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile_file.h"
#include "table/settings.h"

namespace quendrel {

// One key to write; no value deletes it.
struct ProfileWrite {
    const wchar_t* section;
    std::wstring key;
    std::optional<std::string> value;  // ASCII
};

// An entry's text; nothing when even the id does not fit the 2047
// characters that a reader takes (the device's name is cut to fit).
std::optional<std::string> FormatPresetDevice(std::string_view presetName, const StoredDevice& device);
// Nothing for a garbled entry, one without an id, or one of another preset.
std::optional<StoredDevice> ParsePresetDevice(std::string_view text, std::string_view presetName);

// presetNames are the table's names by position, code page 932 bytes.
DeviceSettings ReadDeviceSettings(const ProfileFile& file, const std::vector<std::string>& presetNames);
// The keys whose values differ from the file's, so that a user who uses none
// of this gets no new key. An entry of another preset (or of a position past
// the last preset) stays as it is; the preset's own entry goes when the
// preset no longer chooses a device.
std::vector<ProfileWrite> DeviceSettingsWrites(const ProfileFile& file, const std::vector<std::string>& presetNames,
                                               const DeviceSettings& settings);

}  // namespace quendrel
