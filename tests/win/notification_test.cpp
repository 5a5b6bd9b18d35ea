// The notification window: its outline and place on the chosen monitor, and
// its hide timer.
#include "notify/notification_window_win32.h"
#include "program_fixture.h"
#include "table/table_texts.h"

namespace quendrel {
namespace {

// A notification window of its own, on the profile in a folder of its own.
class NotificationTest : public ::testing::Test, protected MonitorFinder {
protected:
    void SetUp() override { ASSERT_TRUE(shown.Create(nullptr)); }
    // The primary monitor at the origin, a second one of 144 DPI left of it.
    NotifyMonitor Find(MonitorChoice choice) override {
        if (choice == MonitorChoice::kPrimary) return {{0, 0, 1280, 760}, 96, false};
        return {{-1920, 100, -1, 1120}, 144, false};
    }
    RECT Letters(const std::string& text, const wchar_t* monitor) {
        WritePrivateProfileStringW(L"Changes", L"Monitor", monitor, folder.File(L"NotifyFont.ini").c_str());
        onMonitors.Show(text, 1);
        RECT box{};
        GetWindowRgnBox(onMonitors.hwnd(), &box);
        RECT window{};
        GetWindowRect(onMonitors.hwnd(), &window);
        OffsetRect(&box, window.left, window.top);
        return box;
    }

    test::TempFolder folder;
    NotifyProfile profile{folder.File(L"NotifyFont.ini")};
    NotificationWindow shown{profile};
    NotificationWindow onMonitors{profile, this};
};

TEST_F(NotificationTest, TheTextCellEndsAtTheWorkAreasBottomRight) {
    shown.Show(texts::kUpName + std::string(" 52%"), 1);
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
    shown.Show("", 1);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(shown.hwnd(), region);
    RECT box{};
    EXPECT_TRUE(kind == NULLREGION || GetRgnBox(region, &box) == NULLREGION);
    DeleteObject(region);
}

TEST_F(NotificationTest, TheLettersGoToTheChosenMonitorsCornerAtItsDpi) {
    ASSERT_TRUE(onMonitors.Create(nullptr));
    const RECT primary = Letters("Loud 80%", L"0");
    const RECT second = Letters("Loud 80%", L"1");  // the same text: shaped anew for the other monitor
    for (const RECT& box : {primary, second}) EXPECT_GT(box.right, box.left);
    EXPECT_LE(primary.right, 1280);
    EXPECT_GT(primary.left, 1280 / 2);
    EXPECT_LE(second.right, -1);
    EXPECT_GT(second.left, -1920);
    EXPECT_GT(second.top, 100);
    EXPECT_LE(second.bottom, 1120);
    // At 144 DPI the letters are half as high again.
    const double ratio = double(second.bottom - second.top) / double(primary.bottom - primary.top);
    EXPECT_NEAR(ratio, 1.5, 0.2);
    // Anything but 1 and 2 is the primary monitor.
    const RECT other = Letters("Loud 80%", L"7");
    EXPECT_TRUE(EqualRect(&primary, &other));
}

class NotificationTimerTest : public test::ProgramTest {};

TEST_F(NotificationTimerTest, AHotkeyShowsTheNotificationAndTheHideTimerHidesItOnTheThirdTickAndEnds) {
    SettingTable table = test::TableWith();
    test::SwitchOn(table, kNotifySlot);
    test::SwitchOn(table, kUpSlot, 0x6070);
    StartProgram(table, 3);
    mixer->units[0] = 50 * 655;
    PostMessageW(ConfigWindow(), WM_HOTKEY, kUpSlot, 0);
    test::PumpMessages(100);
    EXPECT_EQ(mixer->units[0], 52u * 655);
    EXPECT_EQ(mixer->units[2], 52u * 655);
    HWND notification = Window(identity::kNotificationClass);
    EXPECT_TRUE(IsWindowVisible(notification));
    EXPECT_NE(GetForegroundWindow(), notification);
    // Seconds 2: hidden on the (2 + 1)-th tick of the hide timer, the
    // window's only one.
    const auto tick = [notification] { SendMessageW(notification, WM_TIMER, 1, 0); };
    tick();
    tick();
    EXPECT_TRUE(IsWindowVisible(notification));
    tick();
    EXPECT_FALSE(IsWindowVisible(notification));
    EXPECT_FALSE(KillTimer(notification, 1)) << "a timer ticks while nothing shows";
}

}  // namespace
}  // namespace quendrel
