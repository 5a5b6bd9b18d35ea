// What a screen reader reads of the three windows, in-process through oleacc
// as a screen reader asks; and the windows on the work area at a high DPI.
#include <set>
#include <thread>

#include "program_fixture.h"

namespace quendrel {
namespace {

bool IsClass(HWND window, const wchar_t* className) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return lstrcmpiW(name, className) == 0;
}

// Not a control a screen reader presents on its own: a static with nothing
// to say (a frame, an empty status line), the list's own heading.
bool Decoration(HWND control) {
    if (IsClass(GetParent(control), WC_LISTVIEWW)) return true;
    return IsClass(control, L"Static") && GetWindowTextLengthW(control) == 0 &&
           (GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP;
}

class AccessibilityTest : public test::ProgramTest {
protected:
    void StartWithEverythingOn() {
        SettingTable table = test::TableWith({{"Loud", 80, 0x6070}, {"Quiet", 20, 0x6071}});
        for (std::size_t slot : {kUpSlot, kDownSlot, kMuteSlot, kCaptureSlot, kNotifySlot}) test::SwitchOn(table, slot);
        StartProgram(table);
    }
};

TEST_F(AccessibilityTest, EveryControlHasANameAndNoTwoKeyboardStopsShareOne) {
    StartWithEverythingOn();
    for (const wchar_t* className : {identity::kConfigClass, identity::kAboutClass, identity::kNotificationClass}) {
        HWND window = Window(className);
        SCOPED_TRACE(test::Utf8Of(test::WindowText(window)));
        EXPECT_NE(test::AccessibleName(window), L"");
        std::set<std::wstring> stops;
        for (HWND control : test::Children(window)) {
            if (!(GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) || Decoration(control)) continue;
            const std::wstring name = test::AccessibleName(control);
            EXPECT_NE(name, L"") << "control " << GetDlgCtrlID(control);
            const bool stop = (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) != 0;
            EXPECT_TRUE(!stop || stops.insert(name).second) << "twice: " << test::Utf8Of(name);
        }
    }
    // The labels' own words, as the window shows them.
    EXPECT_EQ(test::AccessibleName(Control(FunctionPanel::kUpStep)), L"2% 上げる");
    EXPECT_EQ(test::AccessibleName(Control(FunctionPanel::kNotifySeconds)), L"秒間表示したら閉じる");
    EXPECT_EQ(test::AccessibleName(Control(DevicePanel::kOutput)), L"出力先");
    EXPECT_EQ(test::AccessibleName(Control(DevicePanel::kMicrophoneKey)),
              L"マイクのミュート切り替え ショートカットキー");

    // The band comes last in reading order, its middle column first; then
    // round to the list.
    TrayPress();
    Click(DevicePanel::kMicrophoneBox);  // its key is a stop while it is ticked
    HWND at = Control(FunctionPanel::kColorButton);
    for (int id :
         std::initializer_list<int>{DevicePanel::kOutput, DevicePanel::kMicrophoneBox, DevicePanel::kMicrophoneKey,
                                    DevicePanel::kArrivalBox, PresetPanel::kList}) {
        at = GetNextDlgTabItem(ConfigWindow(), at, FALSE);
        EXPECT_EQ(at, Control(id)) << id;
    }
}

// The focus stays where it is; screen readers hear the text as an alert.
HWND g_alerted = nullptr;
void CALLBACK OnAlert(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) { g_alerted = window; }

TEST_F(AccessibilityTest, TheNotificationIsToldToScreenReaders) {
    StartWithEverythingOn();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, OnAlert,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    const HWND focused = GetFocus();
    Hotkey(kFirstPreset + 1);
    test::PumpMessages(200);
    UnhookWinEvent(hook);
    HWND notification = Window(identity::kNotificationClass);
    EXPECT_EQ(g_alerted, notification);
    EXPECT_EQ(test::AccessibleName(notification), L"Quiet 20%");
    EXPECT_EQ(test::WindowText(notification), L"通知フォーム");
    EXPECT_EQ(GetFocus(), focused);
}

// Run by scripts/test in a prefix set to 144 DPI on a 1280 x 800 screen, where
// the designed places run off the screen.
TEST_F(AccessibilityTest, AtHighDpiTheWindowsLieWithinTheWorkArea) {
    if (ScreenDpi() != 144) GTEST_SKIP() << "at " << ScreenDpi() << " DPI";
    OpenWindow();
    const auto within = [](HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
        RECT both{};
        IntersectRect(&both, &rect, &monitor.rcWork);
        return EqualRect(&both, &rect) != FALSE;
    };
    EXPECT_TRUE(within(ConfigWindow()));
    HWND aboutWindow = Window(identity::kAboutClass);
    bool aboutWithin = false;
    std::thread closer([&] {
        for (int i = 0; i < 500 && !IsWindowVisible(aboutWindow); ++i) Sleep(10);
        aboutWithin = within(aboutWindow);
        PostMessageW(aboutWindow, WM_CLOSE, 0, 0);
    });
    UseTrayMenu(4);  // About
    closer.join();
    EXPECT_TRUE(aboutWithin);
}

}  // namespace
}  // namespace quendrel
