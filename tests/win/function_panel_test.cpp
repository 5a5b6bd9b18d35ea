// The function controls of the configuration window, driven through their
// controls as a user would.
#include "program_fixture.h"

namespace quendrel {
namespace {

class FunctionPanelTest : public test::ProgramTest {};

TEST_F(FunctionPanelTest, TheDefaultTableLeavesEveryFunctionOff) {
    OpenWindow();
    auto& f = functionPanel();
    for (CheckBox* box : {&f.upBox, &f.downBox, &f.muteBox, &f.captureBox, &f.notifyBox}) EXPECT_FALSE(box->Checked());
    for (HWND control :
         {f.upStep.hwnd(), f.upStepLabel.hwnd(), f.upKey.hwnd(), f.downStep.hwnd(), f.downStepLabel.hwnd(),
          f.downKey.hwnd(), f.muteKey.hwnd(), f.captureKey.hwnd(), f.notifySeconds.hwnd(), f.notifySeconds.upDown(),
          f.notifySecondsLabel.hwnd(), f.fontButton.hwnd(), f.colorButton.hwnd()})
        EXPECT_FALSE(Enabled(control));
    EXPECT_EQ(f.upStep.Position(), 2);
    EXPECT_EQ(f.downStep.Position(), 2);
    EXPECT_EQ(Text(f.upStepLabel.hwnd()), L"2% 上げる");
    EXPECT_EQ(Text(f.downStepLabel.hwnd()), L"2% 下げる");
    EXPECT_EQ(Text(f.notifySeconds.hwnd()), L"2");
    EXPECT_EQ(resident().table()[kNotifySlot].value, 2);
    EXPECT_EQ(Text(f.group.hwnd()), L"その他のQuendrelの機能を使用する");
}

TEST_F(FunctionPanelTest, TickingAndSlidingWriteTheirSlotAtOnce) {
    OpenWindow();
    auto& f = functionPanel();
    SettingRecord& up = resident().table()[kUpSlot];
    Click(f.upBox.hwnd());
    EXPECT_EQ(up.enabled, kEnabledOn);
    EXPECT_TRUE(Enabled(f.upStep.hwnd()));
    EXPECT_TRUE(Enabled(f.upStepLabel.hwnd()));
    EXPECT_TRUE(Enabled(f.upKey.hwnd()));

    Slide(f.upStep, 5);
    EXPECT_EQ(Text(f.upStepLabel.hwnd()), L"5% 上げる");
    EXPECT_EQ(up.value, 5);
    Slide(f.upStep, 0);
    EXPECT_EQ(Text(f.upStepLabel.hwnd()), L"0% 上げる");
    EXPECT_EQ(up.value, 0);

    Click(f.upBox.hwnd());
    EXPECT_EQ(up.enabled, 0u);
    EXPECT_FALSE(Enabled(f.upStep.hwnd()));
    EXPECT_EQ(up.value, 0);

    Slide(f.downStep, 7);
    EXPECT_EQ(Text(f.downStepLabel.hwnd()), L"7% 下げる");
    EXPECT_EQ(resident().table()[kDownSlot].value, 7);

    Click(f.notifyBox.hwnd());
    EXPECT_EQ(resident().table()[kNotifySlot].enabled, kEnabledOn);
    for (HWND control :
         {f.notifySeconds.hwnd(), f.notifySecondsLabel.hwnd(), f.fontButton.hwnd(), f.colorButton.hwnd()})
        EXPECT_TRUE(Enabled(control));
    Click(f.captureBox.hwnd());
    EXPECT_TRUE(Enabled(f.captureKey.hwnd()));
    EXPECT_EQ(resident().table()[kCaptureSlot].enabled, kEnabledOn);
}

TEST_F(FunctionPanelTest, StoredValuesShowClampedAndOnlyMovedOnesAreStoredBack) {
    SettingTable table = test::TableWith();
    table[kUpSlot].value = 25;
    table[kUpSlot].enabled = 1;
    table[kUpSlot].hotkey = 0x6041;
    table[kNotifySlot].value = 0;
    table[kNotifySlot].enabled = 1;
    OpenWindow(&table);
    auto& f = functionPanel();
    EXPECT_TRUE(f.upBox.Checked());
    EXPECT_TRUE(Enabled(f.upStep.hwnd()));
    EXPECT_EQ(f.upStep.Position(), 20);
    EXPECT_EQ(Text(f.upStepLabel.hwnd()), L"20% 上げる");
    EXPECT_EQ(resident().table()[kUpSlot].value, 20);
    EXPECT_EQ(f.upKey.Value(), 0x6041);
    EXPECT_EQ(resident().table()[kUpSlot].enabled, kEnabledOn);  // the click handler wrote it
    EXPECT_EQ(Text(f.downStepLabel.hwnd()), L"2% 下げる");

    // 0 shows as 1, the text the edit already had: the slot keeps its 0.
    EXPECT_EQ(Text(f.notifySeconds.hwnd()), L"1");
    EXPECT_EQ(resident().table()[kNotifySlot].value, 0);
    EXPECT_TRUE(f.notifyBox.Checked());
    EXPECT_TRUE(Enabled(f.notifySeconds.hwnd()));
}

TEST_F(FunctionPanelTest, NotificationSecondsClampOnShowingAndWhenTheEditLosesTheFocus) {
    SettingTable table = test::TableWith();
    test::SwitchOn(table, kNotifySlot);
    table[kNotifySlot].value = 150;
    OpenWindow(&table);
    auto& f = functionPanel();
    SettingRecord& slot = resident().table()[kNotifySlot];
    EXPECT_EQ(Text(f.notifySeconds.hwnd()), L"100");
    EXPECT_EQ(slot.value, 100);

    SetFocus(f.notifySeconds.hwnd());
    SetWindowTextW(f.notifySeconds.hwnd(), L"");
    EXPECT_EQ(slot.value, 1);
    SetWindowTextW(f.notifySeconds.hwnd(), L"500");
    EXPECT_EQ(slot.value, 500);
    SetFocus(f.upKey.hwnd() /* any other control */);
    SetFocus(presetPanel().presetList.hwnd());
    EXPECT_EQ(Text(f.notifySeconds.hwnd()), L"100");
    EXPECT_EQ(slot.value, 100);

    // The up-down buttons step the number.
    SendMessageW(f.notifySeconds.upDown(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(f.notifySeconds.upDown(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    test::PumpMessages();
    EXPECT_EQ(slot.value, 100);  // at the top already
    SendMessageW(f.notifySeconds.upDown(), UDM_SETPOS32, 0, 42);
    EXPECT_EQ(Text(f.notifySeconds.hwnd()), L"42");
    EXPECT_EQ(slot.value, 42);
}

TEST_F(FunctionPanelTest, AHotkeyWithoutShiftAndCtrlGetsBoth) {
    OpenWindow();
    auto& f = functionPanel();
    Click(f.muteBox.hwnd());
    HWND key = f.muteKey.hwnd();
    TypeKey(key, 'M');
    EXPECT_EQ(resident().table()[kMuteSlot].hotkey, 0x6000u | 'M');

    // Shift alone is replaced too; Alt is kept.
    SendMessageW(key, WM_KEYDOWN, VK_SHIFT, 0);
    SendMessageW(key, WM_KEYDOWN, 'N', 0);
    SendMessageW(key, WM_KEYUP, 'N', 0);
    SendMessageW(key, WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(resident().table()[kMuteSlot].hotkey, 0x6000u | 'N');

    // Set from code: no handler, the slot keeps the user's key.
    f.muteKey.Set(0x6070);
    EXPECT_EQ(resident().table()[kMuteSlot].hotkey, 0x6000u | 'N');
}

}  // namespace
}  // namespace quendrel
