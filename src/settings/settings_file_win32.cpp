#include "settings/settings_file_win32.h"

#include <windows.h>

#include <vector>

#include "app/app_paths_win32.h"
#include "win32/handles_win32.h"

namespace quendrel {

std::wstring SettingsFilePath() { return DataFile(L"SndCols.ini"); }

LoadResult LoadSettingTable(SettingTable& table, const PresetSink& addPreset) {
    // Read access is enough: a read-only file still holds the user's settings.
    UniqueKernelHandle file(CreateFileW(SettingsFilePath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? LoadResult::Missing
                                                                              : LoadResult::Unreadable;
    }
    // More than 33 records are never used, so a bounded read is enough.
    std::vector<std::uint8_t> image(kRecordCount * kRecordSize);
    DWORD total = 0;
    while (total < image.size()) {
        DWORD got = 0;
        if (!ReadFile(file.get(), image.data() + total, static_cast<DWORD>(image.size() - total), &got, nullptr))
            return LoadResult::Unreadable;
        if (got == 0) break;
        total += got;
    }
    image.resize(total);
    table.LoadFromImage(image, addPreset);
    return LoadResult::Loaded;
}

bool SaveSettingTable(const SettingTable& table, bool keepBackup) {
    const std::wstring path = SettingsFilePath();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;

    const std::wstring temporary = path + L".tmp";
    const std::vector<std::uint8_t> image = table.Image();
    {
        UniqueKernelHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD written = 0;
        const bool complete = WriteFile(file.get(), image.data(), static_cast<DWORD>(image.size()), &written,
                                        nullptr) &&
                              written == image.size() && FlushFileBuffers(file.get());
        if (!complete) {
            file.reset();
            DeleteFileW(temporary.c_str());
            return false;
        }
    }
    if (keepBackup && attributes != INVALID_FILE_ATTRIBUTES)
        CopyFileW(path.c_str(), (path + L".bak").c_str(), FALSE);
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace quendrel
