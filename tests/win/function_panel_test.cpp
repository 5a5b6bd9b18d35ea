// The function controls of the configuration window, driven through their
// controls as a user would.
#include "config_window_fixture.h"

namespace quendrel {
namespace {

class FunctionPanelTest : public test::ConfigWindowTest {
protected:
    bool Enabled(HWND control) { return IsWindowEnabled(control) != FALSE; }
};

TEST_F(FunctionPanelTest, TheDefaultTableLeavesEveryFunctionOff) {
    Start();
    auto& f = functions();
    for (CheckBox* box : {&f.Up, &f.Down, &f.Mute, &f.Capture, &f.NotifyCMD}) EXPECT_FALSE(box->Checked());
    for (HWND control : {f.UpSlider.hwnd(), f.UpLBL.hwnd(), f.UpKey.hwnd(), f.DownSlider.hwnd(), f.DownLBL.hwnd(),
                         f.DownKey.hwnd(), f.MuteKey.hwnd(), f.CaptureKey.hwnd(), f.NotifyTick.hwnd(),
                         f.NotifyTick.upDown(), f.NotifyLBL.hwnd(), f.NotifyFont.hwnd(), f.NotifyColor.hwnd()})
        EXPECT_FALSE(Enabled(control));
    EXPECT_EQ(f.UpSlider.Position(), 2);
    EXPECT_EQ(f.DownSlider.Position(), 2);
    EXPECT_EQ(Text(f.UpLBL.hwnd()), L"2% 上げる");
    EXPECT_EQ(Text(f.DownLBL.hwnd()), L"2% 下げる");
    EXPECT_EQ(Text(f.NotifyTick.hwnd()), L"2");
    EXPECT_EQ(form().table[kNotifySlot].value, 2);
    EXPECT_EQ(Text(f.GroupBox2.hwnd()), L"その他のQuendrelの機能を使用する");
}

TEST_F(FunctionPanelTest, TickingAndSlidingWriteTheirSlotAtOnce) {
    Start();
    auto& f = functions();
    SettingRecord& up = form().table[kUpSlot];
    Click(f.Up.hwnd());
    EXPECT_EQ(up.enabled, kEnabledOn);
    EXPECT_TRUE(Enabled(f.UpSlider.hwnd()));
    EXPECT_TRUE(Enabled(f.UpLBL.hwnd()));
    EXPECT_TRUE(Enabled(f.UpKey.hwnd()));

    Slide(f.UpSlider, 5);
    EXPECT_EQ(Text(f.UpLBL.hwnd()), L"5% 上げる");
    EXPECT_EQ(up.value, 5);
    Slide(f.UpSlider, 0);
    EXPECT_EQ(Text(f.UpLBL.hwnd()), L"0% 上げる");
    EXPECT_EQ(up.value, 0);

    Click(f.Up.hwnd());
    EXPECT_EQ(up.enabled, 0u);
    EXPECT_FALSE(Enabled(f.UpSlider.hwnd()));
    EXPECT_EQ(up.value, 0);

    Slide(f.DownSlider, 7);
    EXPECT_EQ(Text(f.DownLBL.hwnd()), L"7% 下げる");
    EXPECT_EQ(form().table[kDownSlot].value, 7);

    Click(f.NotifyCMD.hwnd());
    EXPECT_EQ(form().table[kNotifySlot].enabled, kEnabledOn);
    for (HWND control : {f.NotifyTick.hwnd(), f.NotifyLBL.hwnd(), f.NotifyFont.hwnd(), f.NotifyColor.hwnd()})
        EXPECT_TRUE(Enabled(control));
    Click(f.Capture.hwnd());
    EXPECT_TRUE(Enabled(f.CaptureKey.hwnd()));
    EXPECT_EQ(form().table[kCaptureSlot].enabled, kEnabledOn);
}

TEST_F(FunctionPanelTest, StoredValuesShowClampedAndOnlyMovedOnesAreStoredBack) {
    SettingTable table;
    table.SetDefaults();
    table[kUpSlot].value = 25;
    table[kUpSlot].enabled = 1;
    table[kUpSlot].hotkey = 0x6041;
    table[kNotifySlot].value = 0;
    table[kNotifySlot].enabled = 1;
    Start(&table);
    auto& f = functions();
    EXPECT_TRUE(f.Up.Checked());
    EXPECT_TRUE(Enabled(f.UpSlider.hwnd()));
    EXPECT_EQ(f.UpSlider.Position(), 20);
    EXPECT_EQ(Text(f.UpLBL.hwnd()), L"20% 上げる");
    EXPECT_EQ(form().table[kUpSlot].value, 20);
    EXPECT_EQ(f.UpKey.Value(), 0x6041);
    EXPECT_EQ(form().table[kUpSlot].enabled, kEnabledOn);  // the click handler wrote it
    EXPECT_EQ(Text(f.DownLBL.hwnd()), L"2% 下げる");

    // 0 shows as 1, the text the edit already had: the slot keeps its 0.
    EXPECT_EQ(Text(f.NotifyTick.hwnd()), L"1");
    EXPECT_EQ(form().table[kNotifySlot].value, 0);
    EXPECT_TRUE(f.NotifyCMD.Checked());
    EXPECT_TRUE(Enabled(f.NotifyTick.hwnd()));
}

TEST_F(FunctionPanelTest, NotificationSecondsClampOnShowingAndWhenTheEditLosesTheFocus) {
    SettingTable table;
    table.SetDefaults();
    table[kNotifySlot].value = 150;
    table[kNotifySlot].enabled = kEnabledOn;
    Start(&table);
    auto& f = functions();
    SettingRecord& slot = form().table[kNotifySlot];
    EXPECT_EQ(Text(f.NotifyTick.hwnd()), L"100");
    EXPECT_EQ(slot.value, 100);

    SetFocus(f.NotifyTick.hwnd());
    SetWindowTextW(f.NotifyTick.hwnd(), L"");
    EXPECT_EQ(slot.value, 1);
    SetWindowTextW(f.NotifyTick.hwnd(), L"500");
    EXPECT_EQ(slot.value, 500);
    SetFocus(f.UpKey.hwnd() /* any other control */);
    SetFocus(presets().COLList.hwnd());
    EXPECT_EQ(Text(f.NotifyTick.hwnd()), L"100");
    EXPECT_EQ(slot.value, 100);

    // The up-down buttons step the number.
    SendMessageW(f.NotifyTick.upDown(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(f.NotifyTick.upDown(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    test::PumpMessages();
    EXPECT_EQ(slot.value, 100);  // at the top already
    SendMessageW(f.NotifyTick.upDown(), UDM_SETPOS32, 0, 42);
    EXPECT_EQ(Text(f.NotifyTick.hwnd()), L"42");
    EXPECT_EQ(slot.value, 42);
}

TEST_F(FunctionPanelTest, AHotkeyWithoutShiftAndCtrlGetsBoth) {
    Start();
    auto& f = functions();
    Click(f.Mute.hwnd());
    HWND key = f.MuteKey.hwnd();
    SetFocus(key);
    SendMessageW(key, WM_KEYDOWN, 'M', 0);
    SendMessageW(key, WM_KEYUP, 'M', 0);
    EXPECT_EQ(form().table[kMuteSlot].hotkey, 0x6000u | 'M');

    // Shift alone is replaced too; Alt is kept.
    SendMessageW(key, WM_KEYDOWN, VK_SHIFT, 0);
    SendMessageW(key, WM_KEYDOWN, 'N', 0);
    SendMessageW(key, WM_KEYUP, 'N', 0);
    SendMessageW(key, WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(form().table[kMuteSlot].hotkey, 0x6000u | 'N');

    // Set from code: no handler, the slot keeps the user's key.
    f.MuteKey.Set(0x6070);
    EXPECT_EQ(form().table[kMuteSlot].hotkey, 0x6000u | 'N');
}

}  // namespace
}  // namespace quendrel
