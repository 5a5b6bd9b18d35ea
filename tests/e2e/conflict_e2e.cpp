// Hotkeys the real program cannot use: a key that this process holds while
// the program starts is named in the configuration window's status bar with
// a key the table repeats, and acts once it is let go.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace quendrel::e2e {
namespace {

constexpr UINT kCtrlShift = MOD_CONTROL | MOD_SHIFT;

TEST(ConflictScenario, AHeldKeyIsNamedWithARepeatedOneAndActsOnceFree) {
    test::TempFolder folder;
    test::RealInput input;
    ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
    // Silent on Ctrl+Shift+F1, Loud on Ctrl+Shift+F2 (held here), Echo on Silent's key again.
    SettingTable table = test::TableWith({{"Silent", 0, 0x6070}, {"Loud", 100, 0x6071}, {"Echo", 50, 0x6070}});
    test::SwitchOn(table, kCaptureSlot, 0x6043);  // Ctrl+Shift+C
    test::WriteSettings(folder.path(), table);
    test::WriteFade(folder.path(), false);

    test::HotkeyHolder held(kCtrlShift, VK_F2);
    ASSERT_TRUE(held.held());
    QuendrelProcess program(folder.path());
    HWND configWindow = StartResident(program);
    ASSERT_NE(configWindow, nullptr);
    // Wine's tray shows balloons, a moment after they are asked for.
    EXPECT_TRUE(WaitUntil(
        [] { return BalloonShown(L"他のプログラムが使用中のホットキーがあります: Loud (Control + Shift + F2)"); }));

    ASSERT_TRUE(OpenFromTray(input, configWindow));
    const auto bars = Children(configWindow, STATUSCLASSNAMEW);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(bars[0]));
    EXPECT_EQ(test::StatusBarText(bars[0]),
              L"使用できないホットキー: Loud (Control + Shift + F2)、Echo (Control + Shift + F1)");
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(input, program, configWindow, saved)) << "focus on " << FocusOf(configWindow);

    // Silent sets 0; once Loud's key is let go, a retry takes it and a press
    // sets 100, which the capture keeps.
    ASSERT_TRUE(input.Key("ctrl+shift+F1"));
    held.Release();
    ASSERT_TRUE(WaitUntil([] { return test::IsHotkeyTaken(kCtrlShift, VK_F2); }, 15000));
    ASSERT_TRUE(input.Key("ctrl+shift+F2"));
    Sleep(150);
    ASSERT_TRUE(input.Key("ctrl+shift+c"));
    saved = SaveThroughTheWindow(program, configWindow);
    ASSERT_EQ(saved.count, 4);
    EXPECT_EQ(saved.Preset(3).value, 100);
}

}  // namespace
}  // namespace quendrel::e2e
