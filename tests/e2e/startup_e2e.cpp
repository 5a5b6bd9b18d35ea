// Start-up, single instance and closing of the real program.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace quendrel::e2e {
namespace {

using test::FileExists;
using test::ReadBytes;

TEST(StartupScenario, FirstRunOpensTheWindowAndEveryCloseWritesTheDefaults) {
    test::TempFolder folder;
    test::RealInput input;
    ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
    QuendrelProcess program(folder.path());
    ASSERT_TRUE(program.Start());
    HWND configWindow = WaitForWindow(program.pid(), identity::kConfigClass, 15000, true);
    ASSERT_NE(configWindow, nullptr);
    EXPECT_EQ(WindowText(configWindow), Utf8ToWide(identity::kConfigCaption));
    EXPECT_FALSE(FileExists(folder.File(L"SndCols.ini")));

    const POINT closeBox = test::CloseBoxPoint(configWindow);
    ASSERT_GE(closeBox.x, 0);
    ASSERT_TRUE(input.Click(closeBox));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(configWindow); }));
    ASSERT_TRUE(WaitUntil([&] { return ReadBytes(folder.File(L"SndCols.ini")).size() == 600; }));
    EXPECT_TRUE(program.Running());

    // Escape closes it like the close box, and every close writes the file.
    ASSERT_TRUE(OpenFromTray(input, configWindow));
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(input, program, configWindow, saved)) << "focus on " << FocusOf(configWindow);
    EXPECT_EQ(ReadBytes(folder.File(L"SndCols.ini")).size(), 600u);
}

TEST(StartupScenario, SecondStartIsRefusedWhileTheFirstRuns) {
    test::TempFolder folder;
    QuendrelProcess first(folder.path());
    ASSERT_TRUE(first.Start());
    // A first run: its window is up (and topmost) before the second start, so
    // that the message box comes above it rather than racing it.
    ASSERT_NE(WaitForWindow(first.pid(), identity::kConfigClass, 15000, true), nullptr);
    Sleep(300);

    QuendrelProcess second(folder.path());
    ASSERT_TRUE(second.Start());
    HWND box = WaitForWindow(second.pid(), L"#32770", 15000, true);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"このプログラムは二重起動することはできません");
    EXPECT_EQ(WindowText(box), L"Quendrel");
    EXPECT_EQ(FindProcessWindow(second.pid(), identity::kConfigClass, false), nullptr);
    test::RealInput input;
    ASSERT_TRUE(input.Click(test::CenterOf(GetDlgItem(box, IDOK))));
    EXPECT_EQ(second.WaitForExit(10000), 0);
    EXPECT_TRUE(first.Running());
}

TEST(StartupScenario, AValidFileStartsWithNoWindow) {
    test::TempFolder folder;
    test::WriteSettings(folder.path(), test::TableWith());
    QuendrelProcess program(folder.path());
    ASSERT_TRUE(program.Start());
    HWND configWindow = WaitForWindow(program.pid(), identity::kConfigClass);
    ASSERT_NE(configWindow, nullptr);
    Sleep(500);
    EXPECT_FALSE(IsWindowVisible(configWindow));
    EXPECT_EQ(FindProcessWindow(program.pid(), L"#32770", true), nullptr);
}

}  // namespace
}  // namespace quendrel::e2e
