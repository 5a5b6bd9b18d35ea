#include "table/settings_store.h"

namespace quendrel {

bool SaveImageReplacing(SettingsFileSystem& files, const std::vector<std::uint8_t>& image, bool keepBackup) {
    if (files.TargetReadOnly()) return false;
    if (!files.WriteTemporary(image)) {
        files.RemoveTemporary();
        return false;
    }
    if (keepBackup) files.KeepBackupOfTarget();
    if (!files.ReplaceTargetWithTemporary()) {
        files.RemoveTemporary();
        return false;
    }
    return true;
}

}  // namespace quendrel
