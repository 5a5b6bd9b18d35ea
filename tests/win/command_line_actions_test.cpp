// Command-line actions as the running instance receives them: WM_COPYDATA
// sent to the configuration window, in-process.
#include <windows.h>

#include <gtest/gtest.h>

#include "make_action.h"
#include "program_fixture.h"
#include "win32/text_win32.h"

namespace quendrel {

// Answers print as their exit codes.
void PrintTo(Answer answer, std::ostream* out) { *out << static_cast<int>(answer); }

namespace {

class CommandLineActionTest : public test::ProgramTest {
protected:
    void SetUp() override {
        test::WriteFade(folder.path(), false);
        // 夜 in code page 932 second.
        SettingTable table = test::TableWith({{"Night", 20, 0x6070}, {"\x96\xE9", 30, 0x6071}, {"Cafe", 55, 0x6072}});
        table[kUpSlot].value = 5;  // its box stays unticked
        test::SwitchOn(table, kNotifySlot);
        StartProgram(table, 2, 40);
    }

    bool EveryDeviceAt(unsigned percent) const { return mixer->Percent(0) == percent && mixer->Percent(1) == percent; }
    // The smooth change reaches the volume, a step per 30 ms.
    bool WaitUntilFaded(unsigned percent) {
        for (int i = 0; i < 100 && mixer->Percent(0) != percent; ++i) test::PumpMessages(50);
        return EveryDeviceAt(percent);
    }

    // Shown, and read so to screen readers.
    static bool NotificationShows(const std::string& textCp932) {
        HWND notification = Window(identity::kNotificationClass);
        return IsWindowVisible(notification) && test::AccessibleName(notification) == FromCp932(textCp932);
    }
};

TEST_F(CommandLineActionTest, PresetsByNameAndPositionActAsTheirHotkeys) {
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kPresetByName, 0, L"夜")), Answer::kDone);
    EXPECT_TRUE(EveryDeviceAt(30));
    EXPECT_TRUE(NotificationShows("\x96\xE9 30%"));
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kPresetByPosition, 3)), Answer::kDone);
    EXPECT_TRUE(EveryDeviceAt(55));

    // No best-fit stand-in: "é" has no code page 932 form, so not "Cafe".
    for (const wchar_t* other : {L"Café", L"night", L"Night "})
        EXPECT_EQ(Send(test::MakeAction(ActionKind::kPresetByName, 0, other)), Answer::kBadUsage)
            << test::Utf8Of(other);
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kPresetByPosition, 4)), Answer::kBadUsage);
    EXPECT_TRUE(EveryDeviceAt(55));
}

TEST_F(CommandLineActionTest, VolumeSetsEveryDeviceWithItsOwnNotificationAndFollowsTheSwitches) {
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kVolume, 42)), Answer::kDone);
    EXPECT_TRUE(EveryDeviceAt(42));
    EXPECT_TRUE(NotificationShows("\x89\xB9\x97\xCA 42%"));  // 音量

    // The notification switched off in the window.
    TrayPress();
    Click(FunctionPanel::kNotifyBox);
    Close();
    ShowWindow(Window(identity::kNotificationClass), SW_HIDE);
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kVolume, 7)), Answer::kDone);
    EXPECT_TRUE(EveryDeviceAt(7));
    EXPECT_FALSE(IsWindowVisible(Window(identity::kNotificationClass)));

    // With the smooth change on, one step now and the rest on the fade timer.
    test::WriteFade(folder.path(), true);
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kVolume, 70)), Answer::kDone);
    EXPECT_EQ(mixer->Percent(0), 8u);
    EXPECT_TRUE(WaitUntilFaded(70));
}

TEST_F(CommandLineActionTest, UpActsWithItsBoxUntickedAndItsKeyDoesNot) {
    Hotkey(kUpSlot);
    EXPECT_TRUE(EveryDeviceAt(40));
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kUp)), Answer::kDone);
    EXPECT_TRUE(EveryDeviceAt(45));
}

TEST_F(CommandLineActionTest, OnlyOpenActsWhileTheWindowIsOpen) {
    TrayPress();
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kPresetByPosition, 1)), Answer::kRefused);
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kVolume, 10)), Answer::kRefused);
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kUp)), Answer::kRefused);
    EXPECT_TRUE(EveryDeviceAt(40));
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kOpen)), Answer::kDone);
    EXPECT_TRUE(IsWindowVisible(ConfigWindow()));

    Close();
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kPresetByPosition, 1)), Answer::kDone);
    EXPECT_TRUE(EveryDeviceAt(20));
    EXPECT_EQ(Send(test::MakeAction(ActionKind::kOpen)), Answer::kDone);
    EXPECT_TRUE(IsWindowVisible(ConfigWindow()));
}

TEST_F(CommandLineActionTest, DamagedPayloadsAreBadUsageAndOtherCopiesAreNotOurs) {
    const auto bytes = EncodeAction(test::MakeAction(ActionKind::kPresetByName, 0, L"Night"));
    EXPECT_EQ(SendBytes(bytes.data(), static_cast<DWORD>(bytes.size() - 1)), Answer::kBadUsage);
    EXPECT_EQ(SendBytes(nullptr, 200), Answer::kBadUsage);  // a length with nothing behind it
    // Another program's WM_COPYDATA is left to the default handling, which
    // gives no answer of ours.
    EXPECT_EQ(SendBytes(bytes.data(), static_cast<DWORD>(bytes.size()), identity::kCopyDataId + 1), Answer::kNoAnswer);
    EXPECT_TRUE(EveryDeviceAt(40));
}

}  // namespace
}  // namespace quendrel
