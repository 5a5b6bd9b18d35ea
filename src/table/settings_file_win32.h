// SndCols.ini: the raw image of the setting table beside the executable.
#pragma once

#include <string>

#include "table/setting_table.h"

namespace quendrel {

enum class LoadResult { Loaded, Missing, Unreadable };

class SettingsFile {
public:
    explicit SettingsFile(std::wstring path) : path_(std::move(path)) {}
    const std::wstring& Path() const { return path_; }

    // Reads the file into an all-zero table.
    LoadResult LoadSettingTable(SettingTable& table) const;
    // Writes the image to a temporary file and replaces the file only when the
    // whole image is on disk; on any failure the old file stays as it was.
    // keepBackup first copies the old file to SndCols.ini.bak.
    bool SaveSettingTable(const SettingTable& table, bool keepBackup = false) const;

private:
    std::wstring path_;
};

}  // namespace quendrel
