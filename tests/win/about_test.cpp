// The about window: its controls, the device list, the links' hover colours
// and the modal show.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "about/about_window_win32.h"
#include "about/device_line.h"
#include "fake_mixer.h"
#include "win32/ui_win32.h"

namespace quendrel {
namespace {

// An about window of its own over four devices, owned by a window that stands
// for the application's.
class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(about.Create(application));
        aboutHwnd = about.hwnd();
    }
    void TearDown() override {
        about.Destroy();
        for (HWND window : {application, configWindow}) DestroyWindow(window);
    }
    static HWND MakeWindow(DWORD exStyle) {
        return CreateWindowExW(exStyle, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    HWND Item(int id) { return about.Item(id); }
    std::wstring Text(int id) { return GetText(Item(id)); }
    RECT Place(int id) {
        RECT rect;
        GetWindowRect(Item(id), &rect);
        MapWindowPoints(nullptr, aboutHwnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // The text colour the window gives a control.
    COLORREF TextColor(int id) {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(aboutHwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Item(id)));
        const COLORREF color = GetTextColor(dc);
        DeleteDC(dc);
        return color;
    }

public:  // for the timer below
    test::FakeMixer mixer{4};
    AboutWindow about{mixer};
    HWND application = MakeWindow(WS_EX_TOOLWINDOW);
    HWND configWindow = MakeWindow(WS_EX_TOPMOST);
    HWND aboutHwnd = nullptr;
};

TEST_F(AboutTest, ListsEveryDeviceInOrderAsNameVerMajorMinor) {
    // Four devices: the list scrolls past its three lines, device 0 on top.
    HWND list = Item(AboutWindow::kDeviceList);
    const auto devices = mixer.DescribeDevices();
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);
    for (int id = 0; id < 4; ++id) {
        wchar_t line[128] = {};
        SendMessageW(list, LB_GETTEXT, id, reinterpret_cast<LPARAM>(line));
        EXPECT_EQ(line, DeviceLine(devices[id].name, devices[id].driverVersion)) << "device " << id;
    }
}

TEST_F(AboutTest, ControlsCarryTheirTextsPlacesAndLooks) {
    EXPECT_EQ(GetText(aboutHwnd), L"プログラムInfo");
    EXPECT_FALSE(IsWindowVisible(aboutHwnd));
    RECT client;
    GetClientRect(aboutHwnd, &client);
    EXPECT_EQ(client.right, Scale(362));
    EXPECT_EQ(client.bottom, Scale(335));

    EXPECT_EQ(Text(AboutWindow::kTitleLabel), L"Quendrel Ver 2.30");
    EXPECT_EQ(Text(AboutWindow::kUpdatedLabel), L"LastUpdated on 2003/09/08");
    EXPECT_EQ(Text(AboutWindow::kWebLabel), L"WebPage アドレス");
    EXPECT_EQ(Text(AboutWindow::kMailLabel), L"メールアドレス");
    EXPECT_EQ(Text(AboutWindow::kWebLink), L"https://quendrel.example.org/");
    EXPECT_EQ(Text(AboutWindow::kMailLink), L"quendrel@example.org");
    EXPECT_EQ(Text(AboutWindow::kDeviceGroup), L"システムにインストールされているサウンドカード");
    EXPECT_EQ(Text(AboutWindow::kPreferredLine1), L"一番上のカードは優先デバイスとなります");
    EXPECT_EQ(Text(AboutWindow::kPreferredLine2), L"システム音量、音量を上げる、下げるなどは");
    EXPECT_EQ(Text(AboutWindow::kPreferredLine3), L"優先デバイスが基準となります");
    EXPECT_EQ(Text(AboutWindow::kOkButton), L"OK");

    const RECT ok = Place(AboutWindow::kOkButton);
    EXPECT_EQ(ok.left, Scale(29));
    EXPECT_EQ(ok.top, Scale(288));
    const RECT list = Place(AboutWindow::kDeviceList);
    EXPECT_EQ(list.left, Scale(53 + 24));
    EXPECT_EQ(list.top, Scale(170 + 18));
    const RECT banner = Place(AboutWindow::kBanner);
    EXPECT_EQ(banner.right - banner.left, 200);
    EXPECT_EQ(banner.bottom - banner.top, 40);

    EXPECT_EQ(TextColor(AboutWindow::kTitleLabel), RGB(128, 0, 128));
    EXPECT_EQ(TextColor(AboutWindow::kWebLink), RGB(0, 0, 255));
    EXPECT_EQ(GetWindowLongPtrW(Item(AboutWindow::kOkButton), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_NE(SendMessageW(Item(AboutWindow::kOkButton), BM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    // okButton comes first in the tab order, then the list in the group.
    EXPECT_EQ(GetNextDlgTabItem(aboutHwnd, nullptr, FALSE), Item(AboutWindow::kOkButton));
    EXPECT_EQ(GetNextDlgTabItem(aboutHwnd, Item(AboutWindow::kOkButton), FALSE), Item(AboutWindow::kDeviceList));
    EXPECT_EQ(GetParent(Item(AboutWindow::kDeviceList)), Item(AboutWindow::kDeviceGroup));
}

TEST_F(AboutTest, LinksTurnRedUnderTheMouseAndBlueWhenItLeaves) {
    for (int id : {AboutWindow::kWebLink, AboutWindow::kMailLink}) {
        SCOPED_TRACE(id);
        SendMessageW(Item(id), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(TextColor(id), RGB(255, 0, 0));
        SendMessageW(Item(id), WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(TextColor(id), RGB(0, 0, 255));
    }
    // A pointer over the links and the banner is the hand.
    SendMessageW(Item(AboutWindow::kBanner), WM_SETCURSOR, reinterpret_cast<WPARAM>(Item(AboutWindow::kBanner)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

// Set by a timer inside the modal loop: whether the window was still up when
// a second ShowAbout returned.
bool g_stillShownAfterSecondClick = false;
bool g_overTheConfigWindow = false;
AboutTest* g_test = nullptr;
void CALLBACK ChooseAboutAgain(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    // Modal over the topmost configuration window, which waits meanwhile.
    g_overTheConfigWindow = !IsWindowEnabled(g_test->configWindow) &&
                            (GetWindowLongPtrW(g_test->aboutHwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    g_test->about.ShowModal(g_test->configWindow);
    g_stillShownAfterSecondClick = IsWindowVisible(g_test->aboutHwnd) != FALSE;
}

TEST_F(AboutTest, ShowModalReturnsWhenEnterPressesOkAndIsNotNested) {
    std::thread closer([&] {
        for (int i = 0; i < 500 && !IsWindowVisible(aboutHwnd); ++i) Sleep(10);
        Sleep(400);
        PostMessageW(Item(AboutWindow::kOkButton), WM_KEYDOWN, VK_RETURN, 0);
    });
    // Chosen again from the tray menu while it is open.
    g_test = this;
    SetTimer(nullptr, 0, 100, &ChooseAboutAgain);
    about.ShowModal(configWindow);
    closer.join();
    EXPECT_TRUE(g_stillShownAfterSecondClick);
    EXPECT_TRUE(g_overTheConfigWindow);
    EXPECT_TRUE(IsWindowEnabled(configWindow));
    EXPECT_FALSE(IsWindowVisible(aboutHwnd));
    EXPECT_TRUE(IsWindowEnabled(application));
    EXPECT_TRUE(IsWindow(aboutHwnd));  // hidden, not destroyed

    // Escape closes it as well (or, failing that, the close box after 3 s).
    bool escaped = false;
    std::thread escaper([&] {
        for (int i = 0; i < 500 && !IsWindowVisible(aboutHwnd); ++i) Sleep(10);
        PostMessageW(Item(AboutWindow::kOkButton), WM_KEYDOWN, VK_ESCAPE, 0);
        for (int i = 0; i < 300 && IsWindowVisible(aboutHwnd); ++i) Sleep(10);
        escaped = !IsWindowVisible(aboutHwnd);
        if (!escaped) PostMessageW(aboutHwnd, WM_CLOSE, 0, 0);
    });
    about.ShowModal(configWindow);
    escaper.join();
    EXPECT_TRUE(escaped);
}

}  // namespace
}  // namespace quendrel
