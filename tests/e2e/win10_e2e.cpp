// The real program on a system that reports Windows 10, where it runs on
// Core Audio endpoint volume instead of the mixer API.
#include <gtest/gtest.h>

#include "e2e_support.h"
#include "table/setting_table.h"
#include "table/table_texts.h"

namespace quendrel::e2e {
namespace {

TEST(Windows10Scenario, EveryHotkeyRunsOnCoreAudioWithoutAMessage) {
    ReportedAsWindows10 windows10;
    test::TempFolder folder;
    SettingTable table = test::TableWith({{"Mid", 37, 0x6070}});
    test::SwitchOn(table, kUpSlot, 0x8055);       // Alt+U
    test::SwitchOn(table, kDownSlot, 0x4044);     // Ctrl+D
    test::SwitchOn(table, kMuteSlot, 0xC04D);     // Ctrl+Alt+M
    test::SwitchOn(table, kCaptureSlot, 0x6043);  // Ctrl+Shift+C
    test::WriteSettings(folder.path(), table);

    test::RealInput input;
    ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
    QuendrelProcess program(folder.path());
    HWND configWindow = StartResident(program);
    ASSERT_NE(configWindow, nullptr);
    // Preset, up, down, mute twice, capture.
    for (const char* key : {"ctrl+shift+F1", "alt+u", "ctrl+d", "ctrl+alt+m", "ctrl+alt+m", "ctrl+shift+c"}) {
        ASSERT_TRUE(input.Key(key));
        Sleep(150);
    }
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(FindProcessWindow(program.pid(), L"#32770", true), nullptr);

    // The about window lists the endpoints the volume functions act on.
    HWND about = WaitForWindow(program.pid(), identity::kAboutClass);
    ASSERT_NE(about, nullptr);
    const auto lists = Children(about, L"ListBox");
    ASSERT_EQ(lists.size(), 1u);
    const LRESULT lines = SendMessageW(lists[0], LB_GETCOUNT, 0, 0);
    EXPECT_GE(lines, 2);  // the null sinks of the test environment
    for (LRESULT i = 0; i < lines; ++i) {
        wchar_t line[256] = {};
        if (SendMessageW(lists[0], LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) >= 255) continue;
        SendMessageW(lists[0], LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        const std::wstring text = line;
        EXPECT_GT(text.size(), 8u);
        EXPECT_EQ(text.substr(text.size() - 8), L" Ver 0.0") << test::Utf8Of(text);
    }

    // Opening and closing the configuration window saves what the hotkeys did.
    const SettingTable saved = SaveThroughTheWindow(program, configWindow);
    ASSERT_EQ(saved.count, 2);
    EXPECT_EQ(saved.Preset(1).Name(), texts::kCapturedPresetName);
    const std::string prefix = texts::kMuteStatePrefix;
    EXPECT_EQ(saved[kMuteSlot].Name().substr(0, prefix.size()), prefix);
    // Wine's endpoint volume keeps full scale whatever is written: a capture
    // of 100 shows that the hotkeys went through Core Audio.
    EXPECT_EQ(saved.Preset(1).value, 100);
}

}  // namespace
}  // namespace quendrel::e2e
