// SndCols.ini: the raw image of the setting table beside the executable.
#pragma once

#include <string>

#include "settings/setting_table.h"

namespace quendrel {

enum class LoadResult { Loaded, Missing, Unreadable };

std::wstring SettingsFilePath();
// Reads the file into an all-zero table; presets go through addPreset.
LoadResult LoadSettingTable(SettingTable& table, const PresetSink& addPreset);
// Writes the image to a temporary file and replaces SndCols.ini only when the
// whole image is on disk; on any failure the old file stays as it was.
// keepBackup first copies the old file to SndCols.ini.bak.
bool SaveSettingTable(const SettingTable& table, bool keepBackup = false);

}  // namespace quendrel
