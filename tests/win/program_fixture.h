// The in-process tests' running program: fake sound devices, and its files in
// a folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/program_win32.h"
#include "fake_mixer.h"
#include "win_test_support.h"

namespace quendrel::test {

class ProgramTest : public ::testing::Test {
protected:
    void TearDown() override { program.reset(); }

    // Starts from the table given, or from the all-zero five slots, as
    // SndCols.ini (so no first-run window opens).
    void StartProgram(const SettingTable* table = nullptr, unsigned devices = 1) {
        const auto image = table ? table->Image() : SettingTable{}.Image();
        WriteBytes(folder.File(L"SndCols.ini"), {image.begin(), image.end()});
        StartWithoutFile(devices);
    }
    // With fake devices and, unless the test set another, the test's folder;
    // the rest of the environment as the test set it.
    void StartWithoutFile(unsigned devices = 1) {
        auto fake = std::make_unique<FakeMixer>(devices);
        mixer = fake.get();
        environment.mixer = std::move(fake);
        if (environment.dataFolder.empty()) environment.dataFolder = folder.path();
        program = std::make_unique<Program>(std::move(environment));
        environment = ProgramEnvironment{};
        ASSERT_TRUE(program->Start());
    }

    TempFolder folder;  // outlives the program
    ProgramEnvironment environment;
    FakeMixer* mixer = nullptr;
    std::unique_ptr<Program> program;
};

}  // namespace quendrel::test
