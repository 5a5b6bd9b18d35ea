// The configuration window's gauge of device 0's volume.
#include "program_fixture.h"

namespace quendrel {
namespace {

class GaugeTest : public test::ProgramTest {
protected:
    // Whether the bar is painted grey, as while the device is muted.
    bool PaintedGrey() {
        HWND bar = Control(PresetPanel::kSystemVolume);
        InvalidateRect(bar, nullptr, TRUE);
        UpdateWindow(bar);
        RECT client{};
        GetClientRect(bar, &client);
        HDC dc = GetDC(bar);
        const COLORREF colour = GetPixel(dc, client.right / 20, client.bottom / 2);
        ReleaseDC(bar, dc);
        return colour == GetSysColor(COLOR_GRAYTEXT);
    }
};

TEST_F(GaugeTest, TheGaugeShowsDeviceZeroFromTheFirstRunOnAndFollowsItWhileShown) {
    OpenWindow();  // a first run, the devices at 40
    EXPECT_EQ(GaugeValue(), 40);
    ASSERT_TRUE(mixer->watcher);

    // Another program, the keyboard's volume keys: whoever changes it.
    mixer->SetPercent(0, 73);
    mixer->mute[0] = 1;
    mixer->Changed();
    EXPECT_EQ(GaugeValue(), 73);
    EXPECT_TRUE(PaintedGrey());

    // Hidden, nothing is watched; shown again, it reads the device afresh.
    Close();
    EXPECT_FALSE(mixer->watcher);
    mixer->SetPercent(0, 12);
    mixer->mute[0] = 0;
    TrayPress();
    EXPECT_EQ(GaugeValue(), 12);
    EXPECT_FALSE(PaintedGrey());
}

}  // namespace
}  // namespace quendrel
