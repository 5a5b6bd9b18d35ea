// Command-line actions of the real program: a second start forwards its
// action to the running one and ends with the answer as its exit code; a
// first start performs its own once started.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/command_line.h"
#include "e2e_support.h"

namespace quendrel::e2e {
namespace {

// Silent 0, Loud 100, Mid 37 and 夜 22; the capture slot on (WaitForHotkeys
// tells by it), the mute slot off; no smooth change.
void WriteTable(const test::TempFolder& folder) {
    SettingTable table =
        test::TableWith({{"Silent", 0, 0x6070}, {"Loud", 100, 0x6071}, {"Mid", 37, 0x6072}, {"\x96\xE9", 22, 0x6073}});
    test::SwitchOn(table, kCaptureSlot, 0x6043);  // Ctrl+Shift+C
    test::WriteSettings(folder.path(), table);
    test::WriteFade(folder.path(), false);
}

TEST(CommandLineScenario, ASecondStartForwardsItsActionAndEndsWithTheAnswer) {
    test::TempFolder folder;
    WriteTable(folder);
    QuendrelProcess program(folder.path());
    HWND configWindow = StartResident(program);
    ASSERT_NE(configWindow, nullptr);

    // Each volume is read back by a capture, which adds it as a preset.
    for (const wchar_t* action : {L"/preset Mid", L"-VOLUME 64", L"/preset 夜"}) {
        const Outcome run = RunWith(folder, action);
        EXPECT_EQ(run.exitCode, 0) << test::Utf8Of(action) << ": " << run.output;
        EXPECT_EQ(RunWith(folder, L"/capture").exitCode, 0) << test::Utf8Of(action);
    }

    const Outcome missing = RunWith(folder, L"/preset Nothing");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.Printed(texts::kNoSuchPreset)) << missing.output;
    const Outcome outside = RunWith(folder, L"/volume 101");
    EXPECT_EQ(outside.exitCode, 2);
    EXPECT_TRUE(outside.Printed(texts::kBadVolume) && outside.Printed(texts::kUsage)) << outside.output;
    const Outcome help = RunWith(folder, L"/?");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.output, texts::kUsage);

    // Opened from the tray, the window refuses every action but /open.
    test::RealInput input;
    ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
    ASSERT_TRUE(OpenFromTray(input, configWindow));
    const Outcome refused = RunWith(folder, L"/mute");
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_TRUE(refused.Printed(texts::kRefused)) << refused.output;
    EXPECT_EQ(RunWith(folder, L"/open").exitCode, 0);
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(input, program, configWindow, saved)) << "focus on " << FocusOf(configWindow);

    ASSERT_EQ(saved.count, 7);
    EXPECT_EQ(saved.Preset(4).value, 37);
    EXPECT_EQ(saved.Preset(5).value, 64);
    EXPECT_EQ(saved.Preset(6).value, 22);
    EXPECT_EQ(saved[kMuteSlot].Name(), "");  // a mute writes its state there
    EXPECT_EQ(FindProcessWindow(program.pid(), L"#32770", true), nullptr);
    EXPECT_TRUE(program.Running());
}

TEST(CommandLineScenario, AWindowThatDoesNotAnswerEndsTheWaitWithFour) {
    test::TempFolder folder;
    // What a second start takes for a running instance: the mutex and the
    // configuration window; this one's thread waits for the second start and
    // handles no message meanwhile.
    HANDLE mutex = CreateMutexW(nullptr, TRUE, L"Quendrel");
    ASSERT_NE(mutex, nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = identity::kConfigClass;
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, identity::kConfigClass, Utf8ToWide(identity::kConfigCaption).c_str(), WS_POPUP, 0,
                                  0, 10, 10, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    const Outcome run = RunWith(folder, L"/up");
    EXPECT_EQ(run.exitCode, 4);
    EXPECT_TRUE(run.Printed(texts::kNoAnswer)) << run.output;
    DestroyWindow(window);
    UnregisterClassW(identity::kConfigClass, windowClass.hInstance);
    CloseHandle(mutex);
}

TEST(CommandLineScenario, AFirstStartPerformsItsActionOnceStarted) {
    test::TempFolder folder;
    WriteTable(folder);
    QuendrelProcess program(folder.path());
    HWND configWindow = StartResident(program, L"/preset Mid");
    ASSERT_NE(configWindow, nullptr);
    EXPECT_EQ(RunWith(folder, L"/capture").exitCode, 0);
    const SettingTable saved = SaveThroughTheWindow(program, configWindow);
    ASSERT_EQ(saved.count, 5);
    EXPECT_EQ(saved.Preset(4).value, 37);
}

// Callers at the same moment, as scripts and macro pads make them: every one
// that is told 0 is performed, each from where the one before left the volume.
TEST(CommandLineScenario, ActionsArrivingTogetherArePerformedOneAfterAnother) {
    test::TempFolder folder;
    WriteTable(folder);
    QuendrelProcess program(folder.path());
    ASSERT_TRUE(program.Start());
    HWND configWindow = WaitForWindow(program.pid(), identity::kConfigClass);
    ASSERT_NE(configWindow, nullptr);
    ASSERT_TRUE(WaitForHotkeys(configWindow));
    ASSERT_EQ(RunWith(folder, L"/volume 10").exitCode, 0);

    const auto together = [&](const wchar_t* action) {
        std::vector<std::unique_ptr<QuendrelProcess>> callers;
        for (int i = 0; i < 30; ++i) {
            callers.push_back(std::make_unique<QuendrelProcess>(folder.path()));
            EXPECT_TRUE(callers.back()->Start(action));
        }
        for (auto& caller : callers) EXPECT_EQ(caller->WaitForExit(60000), 0) << test::Utf8Of(action);
    };
    together(L"/up");       // 30 steps of 2 from 10
    together(L"/capture");  // one volume, so one preset
    const SettingTable saved = SaveThroughTheWindow(program, configWindow);
    ASSERT_EQ(saved.count, 5);
    EXPECT_EQ(saved.Preset(4).value, 70);
}

}  // namespace
}  // namespace quendrel::e2e
