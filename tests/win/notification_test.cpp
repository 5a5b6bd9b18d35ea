// The notification window: its outline and place, and its hide timer.
#include "program_fixture.h"
#include "table/table_texts.h"

namespace quendrel {
namespace {

class NotificationTest : public test::ProgramTest {
protected:
    void SetUp() override {
        SettingTable table = test::TableWith();
        test::SwitchOn(table, kNotifySlot);
        test::SwitchOn(table, kUpSlot, 0x6070);
        StartProgram(table, 3);
    }
};

TEST_F(NotificationTest, TheTextCellEndsAtTheWorkAreasBottomRight) {
    NotificationWindow& shown = notification();
    shown.LoadFont();
    shown.ShapeTo(texts::kUpName + std::string(" 52%"));
    EXPECT_TRUE(shown.HasOutline());
    const RECT work = test::PrimaryWorkArea();
    RECT window{};
    GetWindowRect(shown.hwnd(), &window);
    // The window reaches from the text's top-left far beyond the corner.
    EXPECT_LT(window.left, work.right);
    EXPECT_LT(window.top, work.bottom);
    EXPECT_EQ(window.right - window.left, work.right);
    EXPECT_EQ(window.bottom - window.top, work.bottom);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(shown.hwnd(), region), ERROR);
    RECT box{};
    EXPECT_NE(GetRgnBox(region, &box), NULLREGION);
    // Letters lie inside the text cell, whose right and bottom edges are the corner's.
    EXPECT_LE(window.left + box.right, work.right);
    EXPECT_LE(window.top + box.bottom, work.bottom);
    EXPECT_GT(window.left + box.right, work.right - 40);
    DeleteObject(region);
}

TEST_F(NotificationTest, AnEmptyTextShowsNothingRatherThanARectangle) {
    NotificationWindow& shown = notification();
    shown.ShapeTo("");
    EXPECT_FALSE(shown.HasOutline());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(shown.hwnd(), region);
    RECT box{};
    EXPECT_TRUE(kind == NULLREGION || GetRgnBox(region, &box) == NULLREGION);
    DeleteObject(region);
}

TEST_F(NotificationTest, AHotkeyShowsTheNotificationAndTheHideTimerHidesItOnTheThirdTick) {
    mixer->units[0] = 50 * 655;
    PostMessageW(window().hwnd(), WM_HOTKEY, kUpSlot, 0);
    test::PumpMessages(100);
    EXPECT_EQ(mixer->units[0], 52u * 655);
    EXPECT_EQ(mixer->units[2], 52u * 655);
    HWND shown = notification().hwnd();
    EXPECT_TRUE(IsWindowVisible(shown));
    EXPECT_NE(GetForegroundWindow(), shown);
    // Seconds 2: hidden on the (2 + 1)-th tick.
    notification().hideTimer().Tick();
    notification().hideTimer().Tick();
    EXPECT_TRUE(IsWindowVisible(shown));
    notification().hideTimer().Tick();
    EXPECT_FALSE(IsWindowVisible(shown));
}

TEST_F(NotificationTest, HotkeysAreRegisteredFromTheTable) {
    EXPECT_TRUE(test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1));
    EXPECT_FALSE(test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F2));
}

}  // namespace
}  // namespace quendrel
