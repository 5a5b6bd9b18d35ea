#include "table/settings_store.h"

#include <gtest/gtest.h>

#include <string>

namespace quendrel {
namespace {

// A folder in memory whose writes can be made to fail part-way.
class MemoryFiles : public SettingsFileSystem {
public:
    std::vector<std::uint8_t> target{1, 2, 3};
    std::vector<std::uint8_t> temporary, backup;
    bool hasTemporary = false;
    bool readOnly = false;
    std::size_t failAfterBytes = SIZE_MAX;  // the disk fills up here
    bool failReplace = false;

    bool TargetReadOnly() override { return readOnly; }
    bool WriteTemporary(const std::vector<std::uint8_t>& image) override {
        hasTemporary = true;
        temporary.assign(image.begin(), image.begin() + static_cast<long>(std::min(image.size(), failAfterBytes)));
        return temporary.size() == image.size();
    }
    void KeepBackupOfTarget() override { backup = target; }
    bool ReplaceTargetWithTemporary() override {
        if (failReplace) return false;
        target = temporary;
        hasTemporary = false;
        return true;
    }
    void RemoveTemporary() override {
        temporary.clear();
        hasTemporary = false;
    }
};

const std::vector<std::uint8_t> kImage(600, 7);

TEST(SettingsStore, AWholeWriteReplacesTheFile) {
    MemoryFiles files;
    EXPECT_TRUE(SaveImageReplacing(files, kImage, false));
    EXPECT_EQ(files.target, kImage);
    EXPECT_FALSE(files.hasTemporary);
    EXPECT_TRUE(files.backup.empty());
}

TEST(SettingsStore, EveryFailureLeavesTheOldFileByteForByte) {
    const std::vector<std::uint8_t> old{1, 2, 3};
    for (int failure = 0; failure < 3; ++failure) {
        MemoryFiles files;
        if (failure == 0) files.readOnly = true;
        if (failure == 1) files.failAfterBytes = 250;  // half-way
        if (failure == 2) files.failReplace = true;
        EXPECT_FALSE(SaveImageReplacing(files, kImage, false)) << failure;
        EXPECT_EQ(files.target, old) << failure;
        EXPECT_FALSE(files.hasTemporary) << failure;
    }
}

TEST(SettingsStore, AnUnreadFileIsKeptAsABackup) {
    MemoryFiles files;
    EXPECT_TRUE(SaveImageReplacing(files, kImage, true));
    EXPECT_EQ(files.backup, (std::vector<std::uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace quendrel
