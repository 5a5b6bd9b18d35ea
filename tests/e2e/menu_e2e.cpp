// The tray icon of the real program clicked, and its menu walked with the
// keyboard: the configuration window, the smooth-change switch, autostart,
// the about window and the way out.
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"

namespace quendrel::e2e {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Items in order, separators skipped by the keyboard.
enum Item { Open = 1, AutoStart, SmoothChange, About, Quit };

class MenuScenario : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Quendrel");
        ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
        // A loaded table: the program starts without showing a window.
        SettingTable table = test::TableWith();
        test::SwitchOn(table, kCaptureSlot);
        test::WriteSettings(folder.path(), table);
        configWindow = StartResident(program);  // start-up is over
        ASSERT_NE(configWindow, nullptr);
    }
    void TearDown() override { RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, L"Quendrel"); }

    HWND OpenMenu() {
        EXPECT_TRUE(input.Click(test::TrayIconPoint(), 3));
        return WaitForWindow(program.pid(), L"#32768", 10000, true);
    }
    void Choose(Item item) {
        HWND menu = OpenMenu();
        ASSERT_NE(menu, nullptr);
        for (int i = 0; i < item; ++i) ASSERT_TRUE(input.Key("Down"));
        ASSERT_TRUE(input.Key("Return"));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));
    }
    void Click(HWND dialog, int button) { ASSERT_TRUE(input.Click(test::CenterOf(GetDlgItem(dialog, button)))); }
    std::string Profile() const {
        const auto bytes = test::ReadBytes(folder.File(L"NotifyFont.ini"));
        return {bytes.begin(), bytes.end()};
    }
    // The Run value's text, or nothing when it is missing.
    std::wstring RunValue(bool* present = nullptr) const {
        wchar_t text[1024] = {};
        DWORD size = sizeof text;
        const bool found =
            RegGetValueW(HKEY_CURRENT_USER, kRunKey, L"Quendrel", RRF_RT_REG_SZ, nullptr, text, &size) == ERROR_SUCCESS;
        if (present) *present = found;
        return text;
    }
    // Answers the "Notify" question.
    void Answer(int button) {
        HWND box = WaitForWindow(program.pid(), L"#32770", 10000, true);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(WindowText(box), L"Notify");
        EXPECT_EQ(MessageBoxText(box), L"自動起動設定を変更しますか？");
        Click(box, button);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(box); }));
    }

    test::TempFolder folder;
    QuendrelProcess program{folder.path()};
    test::RealInput input;
    HWND configWindow = nullptr;
};

TEST_F(MenuScenario, ALeftPressOnTheIconOpensTheWindowBeforeTheRelease) {
    ASSERT_TRUE(input.Press(test::TrayIconPoint()));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(configWindow) != FALSE; }));
    ASSERT_TRUE(input.Release());
    EXPECT_EQ(FindProcessWindow(program.pid(), L"#32768", true), nullptr);
}

TEST_F(MenuScenario, ARightPressOpensTheMenuAtTheMouseAndEscapeClosesIt) {
    const POINT icon = test::TrayIconPoint();
    ASSERT_TRUE(input.Press(icon, 3));
    HWND menu = WaitForWindow(program.pid(), L"#32768", 10000, true);
    ASSERT_TRUE(input.Release(3));
    ASSERT_NE(menu, nullptr);
    RECT rect{};
    GetWindowRect(menu, &rect);
    // At the mouse, moved in from the screen's corner as far as it must.
    EXPECT_TRUE(icon.x >= rect.left && icon.x <= rect.right && icon.y >= rect.top && icon.y <= rect.bottom)
        << rect.left << "," << rect.top << ".." << rect.right << "," << rect.bottom;
    ASSERT_TRUE(input.Key("Escape"));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));
    EXPECT_TRUE(program.Running());
    EXPECT_FALSE(IsWindowVisible(configWindow));
    // Open on the first item shows the configuration window.
    Choose(Open);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(configWindow) != FALSE; }));
}

TEST_F(MenuScenario, SmoothChangeTogglesTheStoredSwitch) {
    Choose(SmoothChange);
    ASSERT_TRUE(WaitUntil([&] { return Profile().find("FADE=0") != std::string::npos; }));
    Choose(SmoothChange);
    ASSERT_TRUE(WaitUntil([&] { return Profile().find("FADE=1") != std::string::npos; }));
    EXPECT_EQ(Profile(), "[Changes]\r\nFADE=1\r\n");
}

TEST_F(MenuScenario, AutoStartIsSwitchedOnAndOffAfterTheQuestion) {
    Choose(AutoStart);
    Answer(IDNO);
    bool present = true;
    RunValue(&present);
    EXPECT_FALSE(present);

    Choose(AutoStart);
    Answer(IDYES);
    ASSERT_TRUE(WaitUntil([&] { return !RunValue().empty(); }));
    EXPECT_EQ(RunValue(), L"\"" + program.File(L"Quendrel.exe") + L"\"");

    Choose(AutoStart);
    Answer(IDYES);
    ASSERT_TRUE(WaitUntil([&] {
        RunValue(&present);
        return !present;
    }));
}

TEST_F(MenuScenario, VersionInformationShowsTheAboutWindowUntilOk) {
    Choose(About);
    HWND about = WaitForWindow(program.pid(), identity::kAboutClass, 10000, true);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(about), L"プログラムInfo");
    const auto lists = Children(about, L"ListBox");
    ASSERT_EQ(lists.size(), 1u);
    EXPECT_GE(SendMessageW(lists[0], LB_GETCOUNT, 0, 0), 1);
    Click(about, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
    EXPECT_TRUE(program.Running());
}

TEST_F(MenuScenario, QuitEndsTheProgram) {
    Choose(Quit);
    EXPECT_EQ(program.WaitForExit(10000), 0);
}

}  // namespace
}  // namespace quendrel::e2e
