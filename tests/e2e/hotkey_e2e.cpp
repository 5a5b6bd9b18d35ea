// The main job of the real program: hotkeys pressed as keys, results read
// from what it saves.
#include <gtest/gtest.h>

#include <cstring>

#include "e2e_support.h"
#include "table/setting_table.h"
#include "table/table_texts.h"

namespace quendrel::e2e {
namespace {

class HotkeyScenario : public ::testing::Test {
protected:
    // A table with two presets (0 and 100), every function on, notification on.
    void WriteTable(std::int32_t upStep = 5, std::int32_t seconds = 1) {
        SettingTable table = test::TableWith({{"Silent", 0, 0x6070}, {"Loud", 100, 0x6071}, {"Mid", 37, 0x6072}});
        test::SwitchOn(table, kUpSlot, 0x8055);       // Alt+U
        test::SwitchOn(table, kDownSlot, 0x4044);     // Ctrl+D
        test::SwitchOn(table, kMuteSlot, 0xC04D);     // Ctrl+Alt+M
        test::SwitchOn(table, kCaptureSlot, 0x6043);  // Ctrl+Shift+C
        test::SwitchOn(table, kNotifySlot);
        table[kUpSlot].value = upStep;
        table[kDownSlot].value = 3;
        table[kNotifySlot].value = seconds;
        test::WriteSettings(folder.path(), table);
    }
    void SetFade(bool on) { test::WriteFade(folder.path(), on); }
    void StartProgram() {
        ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
        configWindow = StartResident(program);
        ASSERT_NE(configWindow, nullptr);
        notification = WaitForWindow(program.pid(), identity::kNotificationClass);
        ASSERT_NE(notification, nullptr);
    }
    // The key of a record index of WriteTable's table.
    void Hotkey(WPARAM id, DWORD settle = 150) {
        static const char* const keys[] = {"alt+u", "ctrl+d",        "ctrl+alt+m",    "ctrl+shift+c",
                                           "",      "ctrl+shift+F1", "ctrl+shift+F2", "ctrl+shift+F3"};
        ASSERT_TRUE(input.Key(keys[id]));
        Sleep(settle);
    }
    SettingTable Saved() { return SaveThroughTheWindow(program, configWindow); }

    test::TempFolder folder;
    QuendrelProcess program{folder.path()};
    test::RealInput input;
    HWND configWindow = nullptr;
    HWND notification = nullptr;
};

TEST_F(HotkeyScenario, PresetUpDownAndCaptureMoveEveryDevice) {
    WriteTable();
    SetFade(false);
    StartProgram();
    Hotkey(7);  // Mid: 37
    Hotkey(3);  // capture 37
    Hotkey(0);  // up by 5: 42
    Hotkey(3);  // capture 42
    Hotkey(1);  // down by 3: 39
    Hotkey(1);  // 36
    Hotkey(3);  // capture 36
    const SettingTable saved = Saved();
    ASSERT_EQ(saved.count, 6);
    EXPECT_EQ(saved.Preset(3).Name(), texts::kCapturedPresetName);
    EXPECT_EQ(saved.Preset(3).value, 37);
    EXPECT_EQ(saved.Preset(3).hotkey, 0x6073u);
    EXPECT_EQ(saved.Preset(4).value, 42);
    EXPECT_EQ(saved.Preset(4).hotkey, 0x6074u);
    EXPECT_EQ(saved.Preset(5).value, 36);
    EXPECT_EQ(saved[kCaptureSlot].Name(), texts::kCapturedSlotName);
}

TEST_F(HotkeyScenario, MuteWritesItsStateIntoTheMuteSlot) {
    WriteTable();
    StartProgram();
    Hotkey(2);
    SettingTable saved = Saved();
    const std::string prefix = texts::kMuteStatePrefix;
    const std::string first = saved[kMuteSlot].Name();
    ASSERT_EQ(first.substr(0, prefix.size()), prefix);
    Hotkey(2);
    saved = Saved();
    const std::string second = saved[kMuteSlot].Name();
    // Each press toggles from device 0's state.
    EXPECT_NE(first, second);
    EXPECT_TRUE((first == prefix + "True" && second == prefix + "False") ||
                (first == prefix + "False" && second == prefix + "True"));
}

TEST_F(HotkeyScenario, ASmoothChangeIsSeenOnItsWayAndAtItsEnd) {
    WriteTable();
    SetFade(false);
    StartProgram();
    Hotkey(5);  // Silent: 0 at once
    SetFade(true);
    Hotkey(6, 600);  // Loud: 0 -> 100 over about three seconds
    Hotkey(3);       // capture on the way
    Sleep(6000);     // three seconds of ticks, with room for a busy machine
    Hotkey(3);       // capture at the end
    const SettingTable saved = Saved();
    ASSERT_EQ(saved.count, 5);
    EXPECT_GT(saved.Preset(3).value, 0);
    EXPECT_LT(saved.Preset(3).value, 100);
    EXPECT_EQ(saved.Preset(4).value, 100);
}

TEST_F(HotkeyScenario, TheNotificationAppearsAndIsGoneAfterItsSeconds) {
    WriteTable(5, 1);
    SetFade(false);
    StartProgram();
    EXPECT_FALSE(IsWindowVisible(notification));
    const DWORD shown = GetTickCount();
    Hotkey(7, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(notification) != FALSE; }, 3000));
    const RECT work = test::PrimaryWorkArea();
    RECT rect{};
    GetWindowRect(notification, &rect);
    EXPECT_LT(rect.left, work.right);
    EXPECT_EQ(rect.right - rect.left, work.right);
    // One second: hidden on the second tick of the hide timer, so after about two.
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(notification); }, 5000));
    const DWORD elapsed = GetTickCount() - shown;
    EXPECT_GE(elapsed, 1500u);
    EXPECT_LE(elapsed, 5000u);  // about two; room for a busy machine

    // On the one monitor there is, the pointer's and the foreground window's
    // monitor are the primary one: the same place.
    for (const wchar_t* monitor : {L"1", L"2"}) {
        WritePrivateProfileStringW(L"Changes", L"Monitor", monitor, folder.File(L"NotifyFont.ini").c_str());
        Hotkey(7, 0);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(notification) != FALSE; }, 3000));
        RECT there{};
        GetWindowRect(notification, &there);
        EXPECT_TRUE(EqualRect(&there, &rect))
            << "Monitor=" << test::Utf8Of(monitor) << ": " << there.left << "," << there.top << " " << there.right
            << "," << there.bottom << " for " << rect.left << "," << rect.top << " " << rect.right << ","
            << rect.bottom;
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(notification); }, 5000));
    }
}

}  // namespace
}  // namespace quendrel::e2e
