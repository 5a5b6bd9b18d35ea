// The program in this process, on fake devices unless the caller gives a
// mixer, its files in a folder of its own.
#pragma once

#include <memory>

#include "app/program_win32.h"
#include "fake_mixer.h"
#include "win_test_support.h"

namespace quendrel::test {

class ProgramHarness {
public:
    // With a table SndCols.ini holds it and no first-run window opens;
    // without one the folder stays as it is (a first run when it is fresh).
    // The environment's fields as the caller set them, then cleared for the
    // next start.
    bool Start(const SettingTable* table, unsigned devices = 1, unsigned percent = 0) {
        if (table) WriteSettings(folder.path(), *table);
        mixer = nullptr;
        if (!environment.mixer) {
            auto fake = std::make_unique<FakeMixer>(devices);
            for (unsigned device = 0; device < devices; ++device) fake->SetPercent(device, percent);
            mixer = fake.get();
            environment.mixer = std::move(fake);
        }
        if (environment.dataFolder.empty()) environment.dataFolder = folder.path();
        program = std::make_unique<Program>(std::move(environment));
        environment = ProgramEnvironment{};
        return program->Start();
    }
    void Stop() { program.reset(); }

    Resident& resident() { return program->resident(); }
    ConfigWindow& window() { return program->configWindow(); }
    PresetPanel& presetPanel() { return window().presetPanel(); }
    FunctionPanel& functionPanel() { return window().functionPanel(); }
    NotificationWindow& notification() { return program->notification(); }
    AboutWindow& about() { return program->aboutWindow(); }

    TempFolder folder;  // outlives the program
    ProgramEnvironment environment;
    FakeMixer* mixer = nullptr;  // null on a mixer of the caller's
    std::unique_ptr<Program> program;
};

}  // namespace quendrel::test
