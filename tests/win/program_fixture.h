// The in-process tests' running program: fake sound devices, and its files in
// a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/app_paths_win32.h"
#include "app/program_win32.h"
#include "fake_mixer.h"
#include "win_test_support.h"

namespace quendrel::test {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { SetDataDirectoryForTesting(folder.path()); }
    void TearDown() override {
        program.reset();
        SetDataDirectoryForTesting(L"");
    }

    // Starts from the table given, or from the all-zero five slots, as
    // SndCols.ini (so no first-run window opens).
    void StartProgram(const SettingTable* table = nullptr, unsigned devices = 1) {
        const auto image = table ? table->Image() : SettingTable{}.Image();
        WriteBytes(folder.File(L"SndCols.ini"), {image.begin(), image.end()});
        auto fake = std::make_unique<FakeMixer>(devices);
        mixer = fake.get();
        program = std::make_unique<Program>(std::move(fake));
        ASSERT_TRUE(program->Start());
    }

    TempFolder folder;  // outlives the program
    FakeMixer* mixer = nullptr;
    std::unique_ptr<Program> program;
};

}  // namespace quendrel::test
