// The resident program and the sound devices, in-process over fake devices:
// the microphone key from NotifyFont.ini, a preset's output device and the
// balloon when it cannot be chosen, and outputs that arrive.
#include "make_action.h"
#include "program_fixture.h"

namespace quendrel {
namespace {

constexpr UINT kCtrlShift = MOD_CONTROL | MOD_SHIFT;

class ResidentDevicesTest : public test::ProgramTest, private TrayShell {
protected:
    // Presets set their volume at once.
    void SetUp() override {
        environment.shell = this;
        test::WriteFade(folder.path(), false);
    }
    BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW& data) override {
        if (message == NIM_MODIFY && (data.uFlags & NIF_INFO)) balloons.emplace_back(data.szInfo);
        return Shell_NotifyIconW(message, &data);
    }
    void Profile(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
        WritePrivateProfileStringW(section, key, value, folder.File(L"NotifyFont.ini").c_str());
    }

    std::vector<std::wstring> balloons;
};

TEST_F(ResidentDevicesTest, TheMicrophoneKeyIsRegisteredLikeTheFunctionsAndNamedWhenItCannotAct) {
    Profile(L"Devices", L"Microphone", L"1");
    Profile(L"Devices", L"MicrophoneKey", L"24653");  // Ctrl + Shift + M
    SettingTable table = test::TableWith();
    table[kNotifySlot].enabled = kEnabledOn;
    table[kNotifySlot].value = 1;
    StartProgram(table);
    EXPECT_TRUE(test::IsHotkeyTaken(kCtrlShift, 'M'));

    Hotkey(kMicrophoneHotkeyId);
    EXPECT_TRUE(devices->microphoneMuted);
    EXPECT_EQ(test::AccessibleName(Window(identity::kNotificationClass)), L"マイク オフ");

    // Withdrawn while the window is open; held by another program meanwhile,
    // it is named in the bar.
    TrayPress();
    EXPECT_FALSE(test::IsHotkeyTaken(kCtrlShift, 'M'));
    test::HotkeyHolder m(kCtrlShift, 'M');
    ASSERT_TRUE(m.held());
    Click(FunctionPanel::kUpBox);  // any switch probes the keys again
    EXPECT_EQ(StatusText(), L"使用できないホットキー: マイクのミュート切り替え (Control + Shift + M)");
}

TEST_F(ResidentDevicesTest, APresetsOutputIsChosenBeforeItsVolumeAndAFailureIsToldOnce) {
    Profile(L"PresetDevices", L"1", L"A,{h},Headset");
    Profile(L"PresetDevices", L"2", L"Renamed,{h},Headset");  // another preset's: ignored
    StartProgram(test::TableWith({{"A", 30, 0x6070}, {"B", 40, 0x6071}}), 2);
    devices->outputs = {{L"{s}", L"Speakers", true}, {L"{h}", L"Headset", false}};

    Hotkey(kFirstPreset);
    Hotkey(kFirstPreset + 1);
    EXPECT_EQ(devices->madeDefault, (std::vector<std::wstring>{L"{h}"}));
    EXPECT_EQ(mixer->Percent(1), 40u);

    devices->outputs.pop_back();
    for (int twice = 0; twice < 2; ++twice) Hotkey(kFirstPreset);
    devices->canSwitch = false;
    for (int twice = 0; twice < 2; ++twice) Hotkey(kFirstPreset);
    EXPECT_EQ(mixer->Percent(1), 30u);
    EXPECT_EQ(balloons, (std::vector<std::wstring>{L"出力先「Headset」が見つかりません。音量だけを変えました。",
                                                   L"このWindowsでは出力先を切り替えられません。"
                                                   L"出力先を選んだ設定も音量だけを変えます。"}));
    EXPECT_EQ(test::FindProcessWindow(GetCurrentProcessId(), L"#32770", true), nullptr) << "never a message box";
}

TEST_F(ResidentDevicesTest, AnArrivingOutputTakesWhatTheLastActionSetOnlyWhileSwitchedOn) {
    StartProgram(test::TableWith({{"A", 30, 0x6070}}));
    EXPECT_FALSE(devices->watching) << "nothing registered for nothing";
    TrayPress();
    EXPECT_TRUE(devices->watching) << "the open window follows the devices";
    Close();
    EXPECT_FALSE(devices->watching);
    Stop();

    Profile(L"Devices", L"Arrival", L"1");
    StartProgram(test::TableWith({{"A", 30, 0x6070}}));
    ASSERT_TRUE(devices->watching);
    devices->events.outputArrived(L"{early}");
    EXPECT_TRUE(devices->volumesSet.empty()) << "before any action, nothing";
    Hotkey(kFirstPreset);
    devices->events.outputArrived(L"{a}");
    Send(test::MakeAction(ActionKind::kMute));
    devices->events.outputArrived(L"{b}");
    EXPECT_EQ(devices->volumesSet,
              (std::vector<test::FakeDevices::VolumeSet>{{L"{a}", 30u, std::nullopt}, {L"{b}", 30u, true}}));

    // Where the system tells only that something changed (Windows XP).
    SendMessageW(ConfigWindow(), WM_DEVICECHANGE, 7 /* DBT_DEVNODES_CHANGED */, 0);
    EXPECT_EQ(devices->changes, 1);
}

// Device 0 is the default output: when another device becomes the default,
// the open window's gauge shows that one's volume at once.
TEST_F(ResidentDevicesTest, ANewDefaultOutputMovesTheOpenWindowsGauge) {
    const SettingTable table = test::TableWith({{"A", 30, 0x6070}});
    OpenWindow(&table);
    EXPECT_EQ(GaugeValue(), 40);
    mixer->SetPercent(0, 75);
    ASSERT_TRUE(devices->watching);
    devices->events.defaultOutputChanged();
    EXPECT_EQ(GaugeValue(), 75);
}

}  // namespace
}  // namespace quendrel
