// The function controls of the configuration window, driven through their
// controls as a user would.
#include "program_fixture.h"

namespace quendrel {
namespace {

using F = FunctionPanel;

class FunctionPanelTest : public test::ProgramTest {
protected:
    // What closing the window saved.
    SettingTable CloseAndRead() {
        Close();
        return Saved();
    }
};

TEST_F(FunctionPanelTest, TheDefaultTableLeavesEveryFunctionOff) {
    OpenWindow();
    for (int box : {F::kUpBox, F::kDownBox, F::kMuteBox, F::kCaptureBox, F::kNotifyBox}) EXPECT_FALSE(Checked(box));
    for (int control : {F::kUpStep, F::kUpStepLabel, F::kUpKey, F::kDownStep, F::kDownStepLabel, F::kDownKey,
                        F::kMuteKey, F::kCaptureKey, F::kNotifySeconds, F::kNotifySecondsSpin, F::kNotifySecondsLabel,
                        F::kFontButton, F::kColorButton})
        EXPECT_FALSE(Enabled(control)) << control;
    EXPECT_EQ(Position(F::kUpStep), 2);
    EXPECT_EQ(Position(F::kDownStep), 2);
    EXPECT_EQ(Text(F::kUpStepLabel), L"2% 上げる");
    EXPECT_EQ(Text(F::kDownStepLabel), L"2% 下げる");
    EXPECT_EQ(Text(F::kNotifySeconds), L"2");
    EXPECT_EQ(Text(F::kGroup), L"その他のQuendrelの機能を使用する");
    EXPECT_EQ(CloseAndRead()[kNotifySlot].value, 2);
}

TEST_F(FunctionPanelTest, TickingAndSlidingWriteTheirSlot) {
    OpenWindow();
    Click(F::kUpBox);
    for (int control : {F::kUpStep, F::kUpStepLabel, F::kUpKey}) EXPECT_TRUE(Enabled(control)) << control;

    Slide(F::kUpStep, 5);
    EXPECT_EQ(Text(F::kUpStepLabel), L"5% 上げる");
    Slide(F::kUpStep, 0);
    EXPECT_EQ(Text(F::kUpStepLabel), L"0% 上げる");

    Click(F::kUpBox);
    EXPECT_FALSE(Enabled(F::kUpStep));

    Slide(F::kDownStep, 7);
    EXPECT_EQ(Text(F::kDownStepLabel), L"7% 下げる");

    Click(F::kNotifyBox);
    for (int control : {F::kNotifySeconds, F::kNotifySecondsLabel, F::kFontButton, F::kColorButton})
        EXPECT_TRUE(Enabled(control)) << control;
    Click(F::kCaptureBox);
    EXPECT_TRUE(Enabled(F::kCaptureKey));

    const SettingTable saved = CloseAndRead();
    EXPECT_EQ(saved[kUpSlot].enabled, 0u);
    EXPECT_EQ(saved[kUpSlot].value, 0);
    EXPECT_EQ(saved[kDownSlot].value, 7);
    EXPECT_EQ(saved[kNotifySlot].enabled, kEnabledOn);
    EXPECT_EQ(saved[kCaptureSlot].enabled, kEnabledOn);
}

TEST_F(FunctionPanelTest, StoredValuesShowClampedAndOnlyMovedOnesAreStoredBack) {
    SettingTable table = test::TableWith();
    table[kUpSlot].value = 25;
    table[kUpSlot].enabled = 1;
    table[kUpSlot].hotkey = 0x6041;
    table[kNotifySlot].value = 0;
    table[kNotifySlot].enabled = 1;
    OpenWindow(&table);
    EXPECT_TRUE(Checked(F::kUpBox));
    EXPECT_TRUE(Enabled(F::kUpStep));
    EXPECT_EQ(Position(F::kUpStep), 20);
    EXPECT_EQ(Text(F::kUpStepLabel), L"20% 上げる");
    EXPECT_EQ(KeyOf(F::kUpKey), 0x6041);
    EXPECT_EQ(Text(F::kDownStepLabel), L"2% 下げる");

    // 0 shows as 1, the text the edit already had: the slot keeps its 0.
    EXPECT_EQ(Text(F::kNotifySeconds), L"1");
    EXPECT_TRUE(Checked(F::kNotifyBox));
    EXPECT_TRUE(Enabled(F::kNotifySeconds));
    const SettingTable saved = CloseAndRead();
    EXPECT_EQ(saved[kUpSlot].value, 20);
    EXPECT_EQ(saved[kUpSlot].enabled, kEnabledOn);  // the click handler wrote it
    EXPECT_EQ(saved[kNotifySlot].value, 0);
}

TEST_F(FunctionPanelTest, NotificationSecondsClampOnShowingAndWhenTheEditLosesTheFocus) {
    SettingTable table = test::TableWith();
    test::SwitchOn(table, kNotifySlot);
    table[kNotifySlot].value = 150;
    OpenWindow(&table);
    HWND seconds = Control(F::kNotifySeconds);
    EXPECT_EQ(Text(F::kNotifySeconds), L"100");

    SetFocus(seconds);
    SetWindowTextW(seconds, L"");
    EXPECT_EQ(CloseAndRead()[kNotifySlot].value, 1);
    TrayPress();
    SetFocus(seconds);
    SetWindowTextW(seconds, L"500");
    SetFocus(Control(F::kUpKey) /* any other control */);
    SetFocus(Control(PresetPanel::kList));
    EXPECT_EQ(Text(F::kNotifySeconds), L"100");

    // The up-down buttons step the number.
    HWND spin = Control(F::kNotifySecondsSpin);
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    test::PumpMessages();
    EXPECT_EQ(Text(F::kNotifySeconds), L"100");  // at the top already
    SendMessageW(spin, UDM_SETPOS32, 0, 42);
    EXPECT_EQ(Text(F::kNotifySeconds), L"42");
    EXPECT_EQ(CloseAndRead()[kNotifySlot].value, 42);
}

TEST_F(FunctionPanelTest, AHotkeyWithoutShiftAndCtrlGetsBoth) {
    OpenWindow();
    Click(F::kMuteBox);
    HWND key = Control(F::kMuteKey);
    TypeKey(key, 'M');
    EXPECT_EQ(KeyOf(F::kMuteKey), 0x6000u | 'M');

    // Shift alone is replaced too; Alt is kept.
    SendMessageW(key, WM_KEYDOWN, VK_SHIFT, 0);
    SendMessageW(key, WM_KEYDOWN, 'N', 0);
    SendMessageW(key, WM_KEYUP, 'N', 0);
    SendMessageW(key, WM_KEYUP, VK_SHIFT, 0);
    EXPECT_EQ(KeyOf(F::kMuteKey), 0x6000u | 'N');
    EXPECT_EQ(CloseAndRead()[kMuteSlot].hotkey, 0x6000u | 'N');
}

}  // namespace
}  // namespace quendrel
