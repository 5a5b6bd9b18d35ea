#include "table/settings_file_win32.h"

#include <windows.h>

#include <vector>

#include "table/settings_store.h"
#include "win32/handles_win32.h"

namespace quendrel {

LoadResult SettingsFile::LoadSettingTable(SettingTable& table) const {
    // Read access is enough: a read-only file still holds the user's settings.
    UniqueKernelHandle file(CreateFileW(path_.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
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
    table.LoadFromImage(image);
    return LoadResult::Loaded;
}

namespace {

// SndCols.ini and SndCols.ini.tmp beside it.
class WindowsSettingsFiles : public SettingsFileSystem {
public:
    explicit WindowsSettingsFiles(const std::wstring& path) : path_(path), temporary_(path_ + L".tmp") {}

    bool TargetReadOnly() override {
        const DWORD attributes = GetFileAttributesW(path_.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    }
    bool WriteTemporary(const std::vector<std::uint8_t>& image) override {
        UniqueKernelHandle file(
            CreateFileW(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return false;
        DWORD written = 0;
        return WriteFile(file.get(), image.data(), static_cast<DWORD>(image.size()), &written, nullptr) &&
               written == image.size() && FlushFileBuffers(file.get());
    }
    void KeepBackupOfTarget() override {
        if (GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES)
            CopyFileW(path_.c_str(), (path_ + L".bak").c_str(), FALSE);
    }
    bool ReplaceTargetWithTemporary() override {
        return MoveFileExW(temporary_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
               FALSE;
    }
    void RemoveTemporary() override { DeleteFileW(temporary_.c_str()); }

private:
    std::wstring path_;
    std::wstring temporary_;
};

}  // namespace

bool SettingsFile::SaveSettingTable(const SettingTable& table, bool keepBackup) const {
    WindowsSettingsFiles files(path_);
    return SaveImageReplacing(files, table.Image(), keepBackup);
}

}  // namespace quendrel
