// Saving the setting table without ever losing the file that is there: the
// new image goes to a temporary file beside it, which replaces the old file
// only once it is whole on disk.
#pragma once

#include <cstdint>
#include <vector>

namespace quendrel {

// The file operations a save needs.
class SettingsFileSystem {
public:
    virtual ~SettingsFileSystem() = default;
    // The existing file is refused for writing (read-only).
    virtual bool TargetReadOnly() = 0;
    // Writes and flushes the temporary file; false when any byte did not make it.
    virtual bool WriteTemporary(const std::vector<std::uint8_t>& image) = 0;
    virtual void KeepBackupOfTarget() = 0;
    // Puts the temporary file in the target's place in one step.
    virtual bool ReplaceTargetWithTemporary() = 0;
    virtual void RemoveTemporary() = 0;
};

// True when the new image is in place; on false the old file is untouched.
bool SaveImageReplacing(SettingsFileSystem& files, const std::vector<std::uint8_t>& image, bool keepBackup);

}  // namespace quendrel
