// The mixer backend against Wine's mixer, and the notification window.
#include <windows.h>

#include <gtest/gtest.h>
#include <mmsystem.h>

#include "mixer/winmm_mixer_win32.h"
#include "program_fixture.h"
#include "raw_mixer.h"
#include "table/table_texts.h"

namespace quendrel {
namespace {

using test::RawVolume;

TEST(WinmmMixer, WritesAndReadsEveryDeviceOnTheFixedScale) {
    WinmmMixer mixer;
    const unsigned count = mixer.DeviceCount();
    ASSERT_GE(count, 1u) << "the test environment provides sound devices";
    unsigned withVolume = 0;
    for (unsigned device = 0; device < count; ++device) {
        if (!RawVolume(device)) continue;  // no speakers line: left alone
        ++withVolume;
        mixer.SetMasterVolume(device, 37);
        EXPECT_EQ(RawVolume(device), 24235u);
        EXPECT_EQ(mixer.GetMasterVolume(device), 37u);
        mixer.SetMasterVolume(device, 100);
        EXPECT_EQ(RawVolume(device), 65500u);
        EXPECT_EQ(mixer.GetMasterVolume(device), 100u);
        mixer.SetMasterMute(device, true);
        EXPECT_EQ(mixer.GetMasterMute(device), 1u);
        mixer.SetMasterMute(device, false);
        EXPECT_EQ(mixer.GetMasterMute(device), 0u);
    }
    EXPECT_GE(withVolume, 1u);
    // The about window's lines: every device by its capabilities, in order.
    const auto devices = mixer.DescribeDevices();
    ASSERT_EQ(devices.size(), count);
    for (unsigned device = 0; device < count; ++device) {
        MIXERCAPSW caps{};
        mixerGetDevCapsW(device, &caps, sizeof caps);
        EXPECT_EQ(devices[device].name, caps.szPname);
        EXPECT_EQ(devices[device].driverVersion, caps.vDriverVersion);
    }
    // A device that does not exist reads as 0 and takes writes quietly.
    mixer.SetMasterVolume(count + 5, 50);
    EXPECT_EQ(mixer.GetMasterVolume(count + 5), 0u);
    EXPECT_EQ(mixer.GetMasterMute(count + 5), 0u);
}

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
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
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
