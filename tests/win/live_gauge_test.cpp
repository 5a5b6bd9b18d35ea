// The gauge follows device 0 while the window shows, and the notification
// goes to the monitor chosen in NotifyFont.ini.
#include "program_fixture.h"
// clang-format off: the mixer header needs <windows.h> first.
#include <mmsystem.h>
// clang-format on
#include "mixer/winmm_mixer_win32.h"

namespace quendrel {
namespace {

class LiveGaugeTest : public test::ProgramTest {
protected:
    const Gauge& gauge() { return presetPanel().systemVolume; }
};

TEST_F(LiveGaugeTest, TheGaugeShowsDeviceZeroFromTheFirstRunOnAndFollowsItWhileShown) {
    OpenWindow();  // a first run, the devices at 40
    EXPECT_EQ(gauge().Value(), 40);
    ASSERT_TRUE(mixer->watcher);

    // Another program, the keyboard's volume keys: whoever changes it.
    mixer->SetPercent(0, 73);
    mixer->mute[0] = 1;
    mixer->Changed();
    EXPECT_EQ(gauge().Value(), 73);
    EXPECT_TRUE(gauge().Muted());

    // Hidden, nothing is watched; shown again, it reads the device afresh.
    SendMessageW(window().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(mixer->watcher);
    mixer->SetPercent(0, 12);
    mixer->mute[0] = 0;
    window().Open();
    EXPECT_EQ(gauge().Value(), 12);
    EXPECT_FALSE(gauge().Muted());
}

// The mixer API posts a control change to the window a handle was opened
// with; here the system's own winmm does the writes and the post is made as
// Windows makes it.
HWND g_callbackWindow = nullptr;
int g_opensWithCallback = 0, g_closes = 0;
MMRESULT WINAPI OpenRecordingCallback(LPHMIXER handle, UINT device, DWORD_PTR callback, DWORD_PTR user, DWORD flags) {
    if (flags & CALLBACK_WINDOW) {
        g_callbackWindow = reinterpret_cast<HWND>(callback);
        ++g_opensWithCallback;
    }
    return mixerOpen(handle, device, 0, user, flags & ~CALLBACK_TYPEMASK);
}
MMRESULT WINAPI SetAndNotify(HMIXEROBJ object, LPMIXERCONTROLDETAILS details, DWORD flags) {
    const MMRESULT result = mixerSetControlDetails(object, details, flags);
    if (g_callbackWindow) PostMessageW(g_callbackWindow, MM_MIXM_CONTROL_CHANGE, 0, details->dwControlID);
    return result;
}
MMRESULT WINAPI CloseCallback(HMIXER handle) {
    ++g_closes;
    return mixerClose(handle);
}

TEST(WinmmWatch, AControlChangeReachesTheWatcherOnlyWhileWatched) {
    WinmmApi api = SystemWinmm();
    api.open = OpenRecordingCallback;
    api.setControlDetails = SetAndNotify;
    api.close = CloseCallback;
    WinmmMixer mixer(api);
    struct Counter {
        int changes = 0;
        void Changed() { ++changes; }
    } counter;
    int& changes = counter.changes;
    mixer.WatchDevice0(Bind<&Counter::Changed>(&counter));
    EXPECT_EQ(g_opensWithCallback, 1);
    EXPECT_EQ(g_callbackWindow, mixer.NoticeWindow());
    mixer.SetMasterVolume(0, 30);
    test::PumpMessages();
    EXPECT_EQ(changes, 1);
    mixer.StopWatching();
    EXPECT_EQ(g_closes, 1);  // the watching handle goes
    mixer.SetMasterVolume(0, 31);
    test::PumpMessages();
    EXPECT_EQ(changes, 1);
    g_callbackWindow = nullptr;
}

class MonitorTest : public test::ProgramTest, protected MonitorFinder {
protected:
    // The primary monitor at the origin, a second one of 144 DPI left of it.
    NotifyMonitor Find(MonitorChoice choice) override {
        if (choice == MonitorChoice::kPrimary) return {{0, 0, 1280, 760}, 96, false};
        return {{-1920, 100, -1, 1120}, 144, false};
    }
    RECT Letters(const std::string& text, const wchar_t* monitor) {
        WritePrivateProfileStringW(L"Changes", L"Monitor", monitor, folder.File(L"NotifyFont.ini").c_str());
        program->notification().Show(text, 1);
        RECT box{};
        GetWindowRgnBox(program->notification().hwnd(), &box);
        RECT window{};
        GetWindowRect(program->notification().hwnd(), &window);
        OffsetRect(&box, window.left, window.top);
        return box;
    }
};

TEST_F(MonitorTest, TheLettersGoToTheChosenMonitorsCornerAtItsDpi) {
    environment.findMonitor = this;
    StartProgram();
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

}  // namespace
}  // namespace quendrel
