// The sound devices' band of the configuration window, driven through its
// controls as a user would, on fake devices.
#include "config_window/device_panel_win32.h"
#include "program_fixture.h"

namespace quendrel {
namespace {

using D = DevicePanel;

class DeviceBandTest : public test::ProgramTest {
protected:
    // Three presets; outputs read when the window opens.
    void OpenOnThreePresets() {
        StartProgram(test::TableWith({{"A", 10, 0x6070}, {"B", 20, 0x6071}, {"C", 30, 0x6072}}));
        devices->outputs = {{L"{s}", L"Speakers", true}, {L"{h}", L"Headset"}};
        TrayPress();
    }
    static int Items() { return static_cast<int>(SendMessageW(Control(D::kOutput), CB_GETCOUNT, 0, 0)); }
    static int Shown() { return static_cast<int>(SendMessageW(Control(D::kOutput), CB_GETCURSEL, 0, 0)); }
    static std::wstring Item(int item) {
        wchar_t text[256] = {};
        SendMessageW(Control(D::kOutput), CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
        return text;
    }
    static bool Dropped() { return SendMessageW(Control(D::kOutput), CB_GETDROPPEDSTATE, 0, 0) != 0; }
    void DropDown() {
        SetFocus(Control(D::kOutput));
        PostMessageW(Control(D::kOutput), WM_SYSKEYDOWN, VK_DOWN, 1 | 1 << 29);  // Alt+Down
        RunLoop();
    }
    std::wstring Profile(const wchar_t* section, const wchar_t* key) const {
        wchar_t text[512] = {};
        GetPrivateProfileStringW(section, key, L"", text, 512, folder.File(L"NotifyFont.ini").c_str());
        return text;
    }
    // The hint shown where the control lies, as the window's mouse moves
    // find it while the control is disabled.
    static std::wstring HintOver(int id) {
        RECT rect{};
        GetWindowRect(Control(id), &rect);
        MapWindowPoints(nullptr, ConfigWindow(), reinterpret_cast<POINT*>(&rect), 2);
        for (HWND tips : test::ProcessWindows(GetCurrentProcessId(), TOOLTIPS_CLASSW, false)) {
            wchar_t text[256] = {};
            TTHITTESTINFOW hit{};
            hit.hwnd = ConfigWindow();
            hit.pt = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
            hit.ti.cbSize = TTTOOLINFOW_V2_SIZE;
            hit.ti.lpszText = text;
            if (SendMessageW(tips, TTM_HITTESTW, 0, reinterpret_cast<LPARAM>(&hit)) && text[0]) return text;
        }
        return {};
    }
};

TEST_F(DeviceBandTest, TheOutputListFollowsTheSelectedPresetAndWritesItsDeviceAtOnce) {
    OpenOnThreePresets();
    // C, the last, is selected: its output is left alone.
    EXPECT_TRUE(Enabled(D::kOutput));
    ASSERT_EQ(Items(), 3);
    EXPECT_EQ(Shown(), 0);
    EXPECT_EQ(Item(2), L"Headset");

    // By keyboard alone: Alt+Down opens the list, the arrows choose, Enter
    // takes the choice; Escape closes the list, not the window.
    DropDown();
    EXPECT_TRUE(Dropped());
    Press(Control(D::kOutput), VK_DOWN);
    Press(Control(D::kOutput), VK_DOWN);
    Press(Control(D::kOutput), VK_RETURN);
    EXPECT_FALSE(Dropped());
    EXPECT_EQ(Shown(), 2);
    DropDown();
    Press(Control(D::kOutput), VK_ESCAPE);
    EXPECT_FALSE(Dropped());
    EXPECT_TRUE(IsWindowVisible(ConfigWindow()));

    SelectItem(1);
    EXPECT_EQ(Shown(), 0);
    SelectItem(2);
    EXPECT_EQ(Shown(), 2);
    // The device moves with its preset.
    Click(PresetPanel::kMoveUp);
    EXPECT_EQ(SelectedItem(), 1);
    EXPECT_EQ(Shown(), 2);
    SelectItem(2);
    EXPECT_EQ(Shown(), 0);
    // Nothing selected: nothing to choose for.
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED;
    SendMessageW(Control(PresetPanel::kList), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&none));
    EXPECT_FALSE(Enabled(D::kOutput));
    Close();
    EXPECT_EQ(Profile(L"PresetDevices", L"2"), L"C,{h},Headset");

    // Gone when the window opens again: shown by its stored name, chosen still.
    devices->outputs.pop_back();
    TrayPress();
    SelectItem(1);
    ASSERT_EQ(Items(), 3);
    EXPECT_EQ(Shown(), 2);
    EXPECT_EQ(Item(2).rfind(L"Headset (", 0), 0u);
    // The first item leaves the output alone again.
    SetFocus(Control(D::kOutput));
    Press(Control(D::kOutput), VK_HOME);
    EXPECT_EQ(Shown(), 0);
    Close();
    EXPECT_EQ(Profile(L"PresetDevices", L"2"), L"");
}

TEST_F(DeviceBandTest, WhatTheSystemCannotDoIsGreyedAndSaysWhyKeepingTheStoredChoice) {
    const std::wstring profile = folder.File(L"NotifyFont.ini");
    WritePrivateProfileStringW(L"PresetDevices", L"1", L"A,{h},Headset", profile.c_str());
    WritePrivateProfileStringW(L"Devices", L"Microphone", L"1", profile.c_str());
    StartProgram(test::TableWith({{"A", 10, 0x6070}}));
    devices->canSwitch = false;
    devices->hasMicrophone = false;
    TrayPress();
    EXPECT_FALSE(Enabled(D::kOutput));
    EXPECT_EQ(Shown(), 1);
    EXPECT_EQ(HintOver(D::kOutput), L"このWindowsでは出力先を切り替えられません");
    EXPECT_TRUE(Checked(D::kMicrophoneBox));
    for (int id : {D::kMicrophoneBox, D::kMicrophoneKey}) {
        EXPECT_FALSE(Enabled(id)) << id;
        EXPECT_EQ(HintOver(id), L"マイクのミュートが見つかりません") << id;
    }
    Close();
    devices->canSwitch = devices->hasMicrophone = true;
    TrayPress();
    for (int id : {D::kOutput, D::kMicrophoneBox, D::kMicrophoneKey}) {
        EXPECT_TRUE(Enabled(id)) << id;
        EXPECT_EQ(HintOver(id), L"") << id;
    }
}

TEST_F(DeviceBandTest, TheMicrophoneKeyAndTheSwitchesWriteTheSettings) {
    OpenWindow();
    EXPECT_FALSE(Checked(D::kArrivalBox));
    EXPECT_FALSE(Enabled(D::kMicrophoneKey));
    Click(D::kMicrophoneBox);
    EXPECT_TRUE(Enabled(D::kMicrophoneKey));
    TypeKey(Control(D::kMicrophoneKey), 'M');  // Shift+Ctrl come with it, as for the functions
    Click(D::kArrivalBox);
    Close();
    EXPECT_EQ(Profile(L"Devices", L"Microphone"), L"1");
    EXPECT_EQ(Profile(L"Devices", L"MicrophoneKey"), L"24653");  // 0x604D
    EXPECT_EQ(Profile(L"Devices", L"Arrival"), L"1");
}

TEST_F(DeviceBandTest, TheWindowGrewByTheBandAndNothingAboveItMoved) {
    OpenWindow();
    const auto place = [](int id) {
        RECT rect{};
        GetWindowRect(Control(id), &rect);
        MapWindowPoints(nullptr, ConfigWindow(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    // Where they were before the band came (left, top, right, bottom).
    const struct {
        int id;
        RECT rect;
    } before[] = {{PresetPanel::kList, {8, 40, 197, 273}},
                  {PresetPanel::kSystemVolume, {223, 204, 352, 221}},
                  {PresetPanel::kApplyAtOnce, {213, 254, 354, 275}},
                  {FunctionPanel::kGroup, {377, 1, 626, 281}}};
    for (const auto& control : before) {
        const RECT was = {Scale(control.rect.left), Scale(control.rect.top), Scale(control.rect.right),
                          Scale(control.rect.bottom)};
        const RECT now = place(control.id);
        EXPECT_TRUE(EqualRect(&now, &was)) << control.id;
    }
    // Below the client's old height, within its new one (the status bar
    // comes below that: the conflict tests).
    RECT client{};
    GetClientRect(ConfigWindow(), &client);
    for (int id : {D::kOutputLabel, D::kOutput, D::kFrame, D::kGroup}) {
        EXPECT_GE(place(id).top, Scale(285)) << id;
        EXPECT_LE(place(id).bottom, client.bottom) << id;
    }
}

}  // namespace
}  // namespace quendrel
