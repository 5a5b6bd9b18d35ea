// The sound devices of the real program: the outputs listed from the command
// line, a preset that chooses an output where the system cannot switch one,
// the band of the window by keyboard and as a screen reader hears it, the
// microphone by its key and by the command line, and the news of a new
// default output while the window shows.
#include <gtest/gtest.h>

#include <iterator>

#include "cli/cli_texts.h"
#include "e2e_support.h"
#include "win32/com_win32.h"

namespace quendrel::e2e {
namespace {

// A key of NotifyFont.ini beside the program.
void Profile(const test::TempFolder& folder, const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    WritePrivateProfileStringW(section, key, value, folder.File(L"NotifyFont.ini").c_str());
}

// What a screen reader hears of the program's notification now.
std::wstring Notified(DWORD pid) {
    HWND notification = FindProcessWindow(pid, identity::kNotificationClass, true);
    return notification ? test::AccessibleName(notification) : L"(none shown)";
}

// Under Wine 8 no policy-config class exists: as on Windows XP, nothing can
// switch the default output. The preset still sets its volume.
TEST(DevicesScenario, APresetThatChoosesAnOutputSetsItsVolumeAndTellsTheFailure) {
    const ComApartment com;  // the screen reader's questions go through COM
    test::TempFolder folder;
    SettingTable table = test::TableWith({{"Loud", 70, 0x6071}});
    test::SwitchOn(table, kCaptureSlot, 0x6043);  // Ctrl+Shift+C
    test::WriteSettings(folder.path(), table);
    test::WriteFade(folder.path(), false);
    Profile(folder, L"PresetDevices", L"1", L"Loud,{0.0.0.00000000}.{headset},Headset");

    // The list comes from the calling process: no resident is started for it.
    const Outcome listed = RunWith(folder, L"/devices");
    EXPECT_EQ(listed.exitCode, 0) << listed.output;
    EXPECT_TRUE(listed.Printed("1\t")) << listed.output;
    EXPECT_EQ(FindWindowW(identity::kConfigClass, nullptr), nullptr);

    test::RealInput input;
    ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
    QuendrelProcess program(folder.path());
    HWND configWindow = StartResident(program);
    ASSERT_NE(configWindow, nullptr);
    ASSERT_TRUE(input.Key("ctrl+shift+F2"));
    EXPECT_TRUE(WaitUntil([] {
        return BalloonShown(L"このWindowsでは出力先を切り替えられません。出力先を選んだ設定も音量だけを変えます。");
    }));
    EXPECT_EQ(FindProcessWindow(program.pid(), L"#32770", true), nullptr) << "never a message box";

    const Outcome absent = RunWith(folder, L"/device Nothing");
    EXPECT_EQ(absent.exitCode, 2);
    EXPECT_TRUE(absent.Printed(texts::kNoSuchDevice)) << absent.output;
    const Outcome first = RunWith(folder, L"/device 1");
    EXPECT_EQ(first.exitCode, 5);
    EXPECT_TRUE(first.Printed(texts::kCannotSwitchOutput)) << first.output;

    // The window shows the preset's device by its stored name, marked absent,
    // in a list greyed because nothing can switch; a screen reader hears its
    // label.
    ASSERT_TRUE(OpenFromTray(input, configWindow));
    const std::vector<HWND> lists = Children(configWindow, L"ComboBox");
    ASSERT_EQ(lists.size(), 1u);
    const auto shown = [&] {
        wchar_t text[128] = {};
        SendMessageW(lists[0], WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    EXPECT_TRUE(WaitUntil([&] { return shown() == L"Headset (接続されていません)"; })) << test::Utf8Of(shown());
    EXPECT_FALSE(IsWindowEnabled(lists[0]));
    EXPECT_EQ(test::AccessibleName(lists[0]), L"出力先");
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(input, program, configWindow, saved));

    ASSERT_TRUE(input.Key("ctrl+shift+c"));
    saved = SaveThroughTheWindow(program, configWindow);
    ASSERT_EQ(saved.count, 2);
    EXPECT_EQ(saved.Preset(1).value, 70);
    EXPECT_TRUE(test::ReadUntilEnd(folder.File(L"NotifyFont.ini")).find("1=Loud,{0.0.0.00000000}.{headset},Headset") !=
                std::string::npos)
        << "an absent device stays chosen";
}

// On Core Audio: the null sinks by name, the capture endpoints' mute by the
// key and the command line, and Wine's news of another default output.
TEST(DevicesScenario, OnCoreAudioTheMicrophoneAnswersItsKeyAndTheCommandLine) {
    const ComApartment com;  // the screen reader's questions go through COM
    ReportedAsWindows10 windows10;
    test::TempFolder folder;
    SettingTable table = test::TableWith({{"Mid", 37, 0x6070}});
    test::SwitchOn(table, kCaptureSlot, 0x6043);
    table[kNotifySlot].enabled = kEnabledOn;
    table[kNotifySlot].value = 30;
    test::WriteSettings(folder.path(), table);

    const Outcome listed = RunWith(folder, L"/devices");
    EXPECT_EQ(listed.exitCode, 0);
    for (const char* sink : {"\tSpeakers", "\tHeadset", "\tHDMI"}) EXPECT_TRUE(listed.Printed(sink)) << listed.output;
    const std::string mark = std::string("\t") + texts::kDefaultOutputMark + "\r\n";
    EXPECT_EQ(listed.output.find(mark), listed.output.rfind(mark)) << "one default: " << listed.output;

    test::RealInput input;
    ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
    QuendrelProcess program(folder.path());
    HWND configWindow = StartResident(program);
    ASSERT_NE(configWindow, nullptr);

    // The band by keyboard, as a screen reader names each stop: the
    // microphone's switch, its key, the switch for arriving outputs. Escape
    // saves them beside the table.
    ASSERT_TRUE(OpenFromTray(input, configWindow));
    const auto focusName = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(configWindow, nullptr), &info);
        return info.hwndFocus ? test::AccessibleName(info.hwndFocus) : L"(no focus)";
    };
    for (int i = 0; i < 40 && focusName() != L"マイクのミュート切り替え"; ++i) {
        const std::string was = FocusOf(configWindow);
        ASSERT_TRUE(input.Key("Tab"));
        WaitUntil([&] { return FocusOf(configWindow) != was; }, 2000);
    }
    ASSERT_EQ(focusName(), L"マイクのミュート切り替え") << FocusOf(configWindow);
    const auto step = [&](const char* key, const wchar_t* then) {
        ASSERT_TRUE(input.Key(key));
        EXPECT_TRUE(WaitUntil([&] { return focusName() == then; }, 5000)) << key << ": " << test::Utf8Of(focusName());
    };
    ASSERT_TRUE(input.Key("space"));
    step("Tab", L"マイクのミュート切り替え ショートカットキー");
    ASSERT_TRUE(input.Key("ctrl+shift+m"));
    step("Tab", L"接続されたデバイスにも音量を適用");
    ASSERT_TRUE(input.Key("space"));
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(input, program, configWindow, saved));
    const std::string profile = test::ReadUntilEnd(folder.File(L"NotifyFont.ini"));
    for (const char* entry : {"Microphone=1", "MicrophoneKey=24653", "Arrival=1"})  // Ctrl+Shift+M
        EXPECT_NE(profile.find(entry), std::string::npos) << entry << " in " << profile;

    ASSERT_TRUE(input.Key("ctrl+shift+m"));
    EXPECT_TRUE(WaitUntil([&] { return Notified(program.pid()) == L"マイク オフ"; }))
        << test::Utf8Of(Notified(program.pid()));
    const std::pair<const wchar_t*, const wchar_t*> steps[] = {
        {L"/mic", L"マイク オン"}, {L"/mic off", L"マイク オフ"}, {L"/MIC On", L"マイク オン"}};
    for (const auto& [arguments, shown] : steps) {
        EXPECT_EQ(RunWith(folder, arguments).exitCode, 0) << test::Utf8Of(arguments);
        EXPECT_TRUE(WaitUntil([&] { return Notified(program.pid()) == shown; }))
            << test::Utf8Of(arguments) << ": " << test::Utf8Of(Notified(program.pid()));
    }

    // Wine tells of a new default output when its driver's value changes; the
    // open window takes the news on its own thread and goes on answering.
    ASSERT_TRUE(OpenFromTray(input, configWindow));
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Drivers\\winepulse.drv", 0, nullptr, 0,
                              KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t headset[] = L"headset";
    RegSetValueExW(key, L"DefaultOutput", 0, REG_SZ, reinterpret_cast<const BYTE*>(headset), sizeof headset);
    Sleep(500);
    RegDeleteValueW(key, L"DefaultOutput");
    RegCloseKey(key);
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(SendMessageTimeoutW(configWindow, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored));
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(EscapeSaves(input, program, configWindow, saved));
}

}  // namespace
}  // namespace quendrel::e2e
