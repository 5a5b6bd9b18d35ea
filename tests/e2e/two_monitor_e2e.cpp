// The notification on two monitors side by side (scripts/test gives them,
// QUENDREL_MONITORS=2): the letters at the bottom right of the work area of
// the monitor that Monitor in NotifyFont.ini chooses. Skipped on one monitor.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "e2e_support.h"

namespace quendrel::e2e {
namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        auto& list = *reinterpret_cast<std::vector<RECT>*>(areas);
        // The primary first.
        list.insert((info.dwFlags & MONITORINFOF_PRIMARY) ? list.begin() : list.end(), info.rcWork);
    }
    return TRUE;
}

std::string Describe(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right) + "," +
           std::to_string(rect.bottom);
}

class TwoMonitorScenario : public ::testing::Test {
protected:
    void SetUp() override {
        EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&work));
        if (work.size() < 2) GTEST_SKIP() << "one monitor";
        SettingTable table = test::TableWith({{"Mid", 37, 0x6072}});
        test::SwitchOn(table, kCaptureSlot, 0x6043);  // WaitForHotkeys tells by it
        test::SwitchOn(table, kNotifySlot);
        table[kNotifySlot].value = 1;
        test::WriteSettings(folder.path(), table);
        test::WriteFade(folder.path(), false);
        ASSERT_NE(StartResident(program), nullptr);
        notification = WaitForWindow(program.pid(), identity::kNotificationClass);
        ASSERT_NE(notification, nullptr);
    }

    void PointerAt(POINT point) {
        ASSERT_TRUE(test::RunUnix("xdotool mousemove " + std::to_string(point.x) + " " + std::to_string(point.y)));
        ASSERT_TRUE(WaitUntil(
            [&] {
                POINT now{};
                return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
            },
            3000));
    }

    // A second start sets the volume with Monitor at the choice; the box of
    // the letters that show, in screen pixels.
    RECT LettersFor(const wchar_t* choice) {
        WritePrivateProfileStringW(L"Changes", L"Monitor", choice, folder.File(L"NotifyFont.ini").c_str());
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(notification); }, 5000));
        QuendrelProcess second(folder.path());
        EXPECT_TRUE(second.Start(L"/volume 40"));
        EXPECT_EQ(second.WaitForExit(20000), 0);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(notification) != FALSE; }, 5000));
        RECT window{}, letters{};
        GetWindowRect(notification, &window);
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        if (GetWindowRgn(notification, region) != ERROR) GetRgnBox(region, &letters);
        DeleteObject(region);
        OffsetRect(&letters, window.left, window.top);
        return letters;
    }

    // Within the work area, in its bottom right quarter.
    static bool AtBottomRightOf(const RECT& letters, const RECT& area) {
        const LONG middleX = (area.left + area.right) / 2, middleY = (area.top + area.bottom) / 2;
        return !IsRectEmpty(&letters) && letters.left >= middleX && letters.top >= middleY &&
               letters.right <= area.right && letters.bottom <= area.bottom;
    }

    std::vector<RECT> work;  // the primary's first
    test::TempFolder folder;
    QuendrelProcess program{folder.path()};
    HWND notification = nullptr;
};

TEST_F(TwoMonitorScenario, TheLettersShowOnTheMonitorThatTheSettingChooses) {
    const RECT& primary = work[0];
    const RECT& other = work[1];
    const POINT onPrimary = test::Center(primary), onOther = test::Center(other);

    // 1: where the pointer is.
    PointerAt(onOther);
    RECT letters = LettersFor(L"1");
    EXPECT_TRUE(AtBottomRightOf(letters, other)) << Describe(letters) << " for " << Describe(other);
    if (const char* shot = std::getenv("QUENDREL_SHOT")) test::Screenshot(shot);  // a Unix path
    PointerAt(onPrimary);
    letters = LettersFor(L"1");
    EXPECT_TRUE(AtBottomRightOf(letters, primary)) << Describe(letters) << " for " << Describe(primary);

    // 0: the primary, wherever the pointer is.
    PointerAt(onOther);
    letters = LettersFor(L"0");
    EXPECT_TRUE(AtBottomRightOf(letters, primary)) << Describe(letters) << " for " << Describe(primary);

    // 2: where the foreground window is, the pointer elsewhere.
    HWND foreground = CreateWindowExW(0, L"Static", L"Foreground", WS_OVERLAPPEDWINDOW | WS_VISIBLE, other.left + 100,
                                      other.top + 100, 400, 300, nullptr, nullptr, nullptr, nullptr);
    PointerAt(onPrimary);
    SetForegroundWindow(foreground);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == foreground; }, 3000));
    letters = LettersFor(L"2");
    EXPECT_TRUE(AtBottomRightOf(letters, other)) << Describe(letters) << " for " << Describe(other);
    DestroyWindow(foreground);
}

}  // namespace
}  // namespace quendrel::e2e
