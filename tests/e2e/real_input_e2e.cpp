// The real program driven by real X input: keys pressed on the Wine desktop
// reach it through its own RegisterHotKey and through the focused control,
// clicks land on the tray icon and on the controls where they lie. Results
// are read from what it saves; under Wine the mixer volume is per process, so
// a capture (a new preset holding device 0's volume) is how a volume shows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "real_input_win32.h"
#include "table/setting_table.h"
#include "table/table_texts.h"

namespace quendrel::e2e {
namespace {

using test::RealInput;

constexpr char kCaptureKey[] = "ctrl+shift+c";
constexpr std::uint32_t kCaptureValue = 0x6043;  // Ctrl+Shift+C

class RealInputScenario : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
        table.SetDefaults();
        test::SwitchOn(table, kCaptureSlot, kCaptureValue);
        test::WriteFade(folder.path(), false);
    }

    // What the screen showed when a scenario failed.
    void TearDown() override {
        if (!HasFailure()) return;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string path =
            std::string("/tmp/quendrel-e2e-") + info->test_suite_name() + "." + info->name() + ".png";
        if (test::Screenshot(path)) std::printf("screen: %s\n", path.c_str());
    }

    // Writes the table and starts the program on it; returns once its hotkeys
    // are registered.
    void Start() {
        test::WriteSettings(folder.path(), table);
        configWindow = StartResident(program);
        ASSERT_NE(configWindow, nullptr);
    }

    void Keys(std::initializer_list<const char*> combinations) {
        for (const char* combination : combinations) ASSERT_TRUE(input.Key(combination)) << combination;
    }

    // A left press on the tray icon; the window shows.
    void OpenFromTray() {
        // Hotkeys pressed before are posted before the click reaches the
        // shell, and the Escape that saves comes after them all.
        ASSERT_TRUE(e2e::OpenFromTray(input, configWindow));
        list = Children(configWindow, WC_LISTVIEWW).at(0);
    }
    bool EscapeSaves(SettingTable& saved) { return e2e::EscapeSaves(input, program, configWindow, saved); }

    SettingTable SaveFromTray() { return SaveThroughTheWindow(program, configWindow); }

    std::string Focus() const { return FocusOf(configWindow); }
    std::string StaysOpen() const { return "Escape left the configuration window open; focus on " + Focus(); }

    // Volumes of the presets that captures added, in order.
    static std::vector<int> Captured(const SettingTable& saved) {
        std::vector<int> volumes;
        for (std::size_t i = 0; i < saved.count; ++i)
            if (saved.Preset(i).Name() == texts::kCapturedPresetName) volumes.push_back(saved.Preset(i).value);
        return volumes;
    }

    void ClickButton(const wchar_t* caption) {
        HWND button = ChildWithText(configWindow, L"Button", caption);
        ASSERT_NE(button, nullptr) << test::Utf8Of(caption);
        ASSERT_TRUE(input.Click(test::CenterOf(button)));
    }
    void ClickItem(int item) {
        const RECT rect = test::ListItemRect(list, item);
        ASSERT_LT(rect.left, rect.right) << "item " << item;
        ASSERT_TRUE(input.Click({rect.left + 20, (rect.top + rect.bottom) / 2}));
        ASSERT_TRUE(WaitUntil([&] { return SelectedItem() == item; }, 5000));
    }
    int SelectedItem() {
        return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    int ItemCount() { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }
    HWND CaptionEditor() {
        const auto edits = Children(list, L"Edit");
        return !edits.empty() && IsWindowVisible(edits[0]) ? edits[0] : nullptr;
    }
    // Types a name into the caption editor and accepts it with Return.
    void TypeCaption(const char* name) {
        ASSERT_TRUE(WaitUntil([&] { return CaptionEditor() != nullptr; }, 5000)) << "no caption editor";
        ASSERT_TRUE(input.Type(name));
        ASSERT_TRUE(input.Key("Return"));
        ASSERT_TRUE(WaitUntil([&] { return CaptionEditor() == nullptr; }, 5000));
    }

    test::TempFolder folder;
    QuendrelProcess program{folder.path()};
    RealInput input;
    SettingTable table;
    HWND configWindow = nullptr;
    HWND list = nullptr;
};

// Hotkeys ------------------------------------------------------------------

class RealHotkeys : public RealInputScenario {};

TEST_F(RealHotkeys, EveryModifierCombinationActsOnlyWithItsOwnModifiers) {
    test::SwitchOn(table, kUpSlot, 0x8055);  // Alt+U
    table[kUpSlot].value = 5;
    table.AppendPresetRecord("Shift", 11, 0x2074);         // Shift+F5
    table.AppendPresetRecord("Ctrl", 22, 0x4075);          // Ctrl+F6
    table.AppendPresetRecord("Alt", 33, 0x8076);           // Alt+F7
    table.AppendPresetRecord("CtrlShift", 44, 0x6077);     // Ctrl+Shift+F8
    table.AppendPresetRecord("AltShift", 55, 0xA078);      // Alt+Shift+F9
    table.AppendPresetRecord("CtrlAlt", 66, 0xC04B);       // Ctrl+Alt+K
    table.AppendPresetRecord("CtrlAltShift", 77, 0xE04A);  // Ctrl+Alt+Shift+J
    Start();
    Keys({"shift+F5", kCaptureKey, "ctrl+F6", kCaptureKey, "alt+F7", kCaptureKey, "ctrl+shift+F8", kCaptureKey,
          "alt+shift+F9", kCaptureKey, "ctrl+alt+k", kCaptureKey, "ctrl+alt+shift+j", kCaptureKey});
    // Keys with no setting of their own, though their key or modifiers have
    // one: nothing acts, so the step up starts from 77.
    Keys({"ctrl+shift+F5", "F7", "alt+k", "alt+u", kCaptureKey});
    EXPECT_EQ(Captured(SaveFromTray()), (std::vector<int>{11, 22, 33, 44, 55, 66, 77, 82}));
}

TEST_F(RealHotkeys, OfTwoSettingsWithOneCombinationOnlyTheLowerIndexActs) {
    test::SwitchOn(table, kUpSlot, 0xA055);  // Alt+Shift+U, also the second preset's
    table[kUpSlot].value = 5;
    table.AppendPresetRecord("First", 41, 0x6074);  // Ctrl+Shift+F5
    table.AppendPresetRecord("Second", 9, 0xA055);  // Alt+Shift+U
    table.AppendPresetRecord("Third", 88, 0x6074);  // Ctrl+Shift+F5
    Start();
    Keys({"ctrl+shift+F5", kCaptureKey, "alt+shift+u", kCaptureKey});
    EXPECT_EQ(Captured(SaveFromTray()), (std::vector<int>{41, 46}));
}

TEST_F(RealHotkeys, APresetMovedUpInTheWindowKeepsItsKey) {
    table.AppendPresetRecord("Low", 20, 0x6074);   // Ctrl+Shift+F5
    table.AppendPresetRecord("High", 50, 0x6075);  // Ctrl+Shift+F6
    Start();
    OpenFromTray();
    ClickItem(1);
    ClickButton(L"UpTo");
    // Closed by its close box: the move is what this scenario is about, not
    // where the focus went.
    const POINT closeBox = test::CloseBoxPoint(configWindow);
    ASSERT_GE(closeBox.x, 0);
    ASSERT_TRUE(input.Click(closeBox));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(configWindow); }));
    Keys({"ctrl+shift+F6", kCaptureKey, "ctrl+shift+F5", kCaptureKey});
    const SettingTable saved = SaveFromTray();
    ASSERT_GE(saved.count, 2);
    EXPECT_EQ(saved.Preset(0).Name(), "High");
    EXPECT_EQ(saved.Preset(0).hotkey, 0x6075u);
    EXPECT_EQ(Captured(saved), (std::vector<int>{50, 20}));
}

// Configuration window -----------------------------------------------------

// Alpha, Bravo and Charlie loaded, the window opened from the tray.
class RealWindow : public RealInputScenario {
protected:
    void SetUp() override {
        RealInputScenario::SetUp();
        table.AppendPresetRecord("Alpha", 30, 0x6070);
        table.AppendPresetRecord("Bravo", 60, 0x6071);
        table.AppendPresetRecord("Charlie", 90, 0x6072);
        if (!HasFatalFailure()) Start();
        if (!HasFatalFailure()) OpenFromTray();
    }
    static std::vector<std::string> Names(const SettingTable& saved) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < saved.count; ++i) names.push_back(saved.Preset(i).Name());
        return names;
    }
};

TEST_F(RealWindow, F2OnAClickedPresetRenamesItThenEscapeSaves) {
    ClickItem(1);
    ASSERT_TRUE(input.Key("F2"));
    TypeCaption("Night");
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(saved)) << StaysOpen();
    EXPECT_EQ(Names(saved), (std::vector<std::string>{"Alpha", "Night", "Charlie"}));
}

TEST_F(RealWindow, DeleteClickedThenTheDeleteKeyThenEscapeSaves) {
    ClickItem(0);
    ClickButton(L"Delete");
    ASSERT_TRUE(WaitUntil([&] { return ItemCount() == 2; }, 5000));
    // The list keeps the keyboard: the Delete key removes the preset that is
    // selected now.
    ASSERT_TRUE(input.Key("Delete"));
    EXPECT_TRUE(WaitUntil([&] { return ItemCount() == 1; }, 3000))
        << "the Delete key did not reach the list; focus on " << Focus();
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(saved)) << StaysOpen();
    EXPECT_EQ(Names(saved), (std::vector<std::string>{"Charlie"}));
}

TEST_F(RealWindow, UpToClickedThenF2RenamesTheMovedPresetThenEscapeSaves) {
    ClickItem(2);
    ClickButton(L"UpTo");
    ASSERT_TRUE(WaitUntil([&] { return SelectedItem() == 1; }, 5000));
    ASSERT_TRUE(input.Key("F2"));
    if (WaitUntil([&] { return CaptionEditor() != nullptr; }, 3000))
        TypeCaption("Moved");
    else
        ADD_FAILURE() << "F2 did not reach the list; focus on " << Focus();
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(saved)) << StaysOpen();
    EXPECT_EQ(Names(saved), (std::vector<std::string>{"Alpha", "Moved", "Bravo"}));
    EXPECT_EQ(saved.Preset(1).hotkey, 0x6072u);
    EXPECT_EQ(saved.Preset(1).value, 90);
}

TEST_F(RealWindow, DownToClickedTwiceThenEscapeSaves) {
    ClickItem(0);
    ClickButton(L"DownTo");
    ASSERT_TRUE(WaitUntil([&] { return SelectedItem() == 1; }, 5000));
    ClickButton(L"DownTo");
    ASSERT_TRUE(WaitUntil([&] { return SelectedItem() == 2; }, 5000));
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(saved)) << StaysOpen();
    EXPECT_EQ(Names(saved), (std::vector<std::string>{"Bravo", "Charlie", "Alpha"}));
}

TEST_F(RealWindow, ADoubleClickOnDownToMovesThePresetTwice) {
    ClickItem(0);
    HWND downTo = ChildWithText(configWindow, L"Button", L"DownTo");
    ASSERT_TRUE(input.DoubleClick(test::CenterOf(downTo)));
    EXPECT_TRUE(WaitUntil([&] { return SelectedItem() == 2; }, 3000))
        << "the second press of the double click was lost";
}

TEST_F(RealWindow, AKeyTypedIntoThePresetHotkeyAndAVolumeDraggedActAfterEscape) {
    ClickItem(1);
    HWND hotkey = Children(configWindow, HOTKEY_CLASSW).at(0);
    ASSERT_TRUE(input.Click(test::CenterOf(hotkey)));
    ASSERT_TRUE(input.Key("alt+shift+F9"));
    ASSERT_TRUE(WaitUntil(
        [&] { return SendMessageW(hotkey, HKM_GETHOTKEY, 0, 0) == MAKEWORD(VK_F9, HOTKEYF_ALT | HOTKEYF_SHIFT); },
        5000));

    // The thumb (at 60) dragged to about a quarter of the channel.
    HWND volume = Children(configWindow, TRACKBAR_CLASSW).at(0);
    const RECT thumb = test::TrackBarThumbRect(volume), channel = test::TrackBarChannelRect(volume);
    ASSERT_LT(thumb.left, thumb.right);
    ASSERT_LT(channel.left, channel.right);
    const POINT from = test::Center(thumb);
    ASSERT_TRUE(input.Drag(from, {channel.left + (channel.right - channel.left) / 4, from.y}));
    const int position = static_cast<int>(SendMessageW(volume, TBM_GETPOS, 0, 0));
    EXPECT_GT(position, 15);
    EXPECT_LT(position, 35);

    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(saved)) << StaysOpen();
    ASSERT_EQ(saved.count, 3);
    EXPECT_EQ(saved.Preset(1).hotkey, 0xA078u);  // Alt+Shift+F9
    EXPECT_EQ(saved.Preset(1).value, position);
    Keys({"alt+shift+F9", kCaptureKey});
    EXPECT_EQ(Captured(SaveFromTray()), (std::vector<int>{position}));
}

// The keyboard alone, as a user who cannot use a mouse: from the window's
// opening to its closing nothing is clicked.
class RealKeyboard : public RealInputScenario {};

TEST_F(RealKeyboard, APresetMadeMovedAndSetWithKeysAloneActsAfterEscape) {
    table[kNotifySlot].enabled = kEnabledOn;  // the font button acts only then
    table.AppendPresetRecord("Alpha", 30, 0x6070);
    Start();
    OpenFromTray();
    // The list has the focus: Insert makes a preset and opens its caption.
    Keys({"Insert"});
    TypeCaption("Keys");
    // Its key and its volume, the fields after the list.
    Keys({"Tab", "alt+shift+F8", "Tab", "Home"});
    for (int i = 0; i < 7; ++i) Keys({"Right"});
    // Back past the key field (Shift passing through leaves it as it was)
    // to the list, where Ctrl+Up moves the preset.
    Keys({"shift+Tab", "shift+Tab", "ctrl+Up"});
    ASSERT_TRUE(WaitUntil([&] { return SelectedItem() == 0; }, 5000)) << "focus on " << Focus();
    // Backwards from the list round, past the sound devices' band (its
    // stops depend on the devices there are), to the font button, which
    // Enter presses.
    for (int i = 0; i < 8 && Focus().find("フォント変更") == std::string::npos; ++i) {
        const std::string was = Focus();
        Keys({"shift+Tab"});
        WaitUntil([&] { return Focus() != was; }, 2000);
    }
    Keys({"Return"});
    HWND dialog = WaitForWindow(program.pid(), L"#32770", 10000, true);
    ASSERT_NE(dialog, nullptr) << "focus on " << Focus();
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }));
    Keys({"Escape"});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));

    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(saved)) << StaysOpen();
    ASSERT_EQ(saved.count, 2);
    EXPECT_EQ(saved.Preset(0).Name(), "Keys");
    EXPECT_EQ(saved.Preset(0).hotkey, 0xA077u);  // Alt+Shift+F8
    EXPECT_EQ(saved.Preset(0).value, 7);
    Keys({"alt+shift+F8", kCaptureKey});
    EXPECT_EQ(Captured(SaveFromTray()), (std::vector<int>{7}));
}

// The wheel over the tray icon -------------------------------------------------

class RealWheel : public RealInputScenario {
protected:
    // From the desktop onto the icon, and a move over it that the icon
    // reports. The click makes the desktop the foreground window: Wine hands
    // raw input to nobody while no window is, as after a program that was
    // in the foreground ended.
    void PointAtTheIcon() {
        const POINT icon = test::TrayIconPoint();
        ASSERT_TRUE(input.Click({640, 400}));
        ASSERT_TRUE(input.MoveTo(icon));
        ASSERT_TRUE(input.MoveTo({icon.x + 1, icon.y}));
        Sleep(300);
    }
};

TEST_F(RealWheel, NotchesOverTheIconStepAsTheUpAndDownKeysDoThereAloneAndWhileOn) {
    table[kUpSlot].value = 5;  // both boxes unticked
    table[kDownSlot].value = 3;
    table.AppendPresetRecord("Start", 40, 0x6070);
    Start();
    Keys({"ctrl+shift+F1"});
    PointAtTheIcon();
    ASSERT_TRUE(input.Wheel(3));
    ASSERT_TRUE(input.Wheel(-1));
    Keys({kCaptureKey});  // 40 + 3 x 5 - 3
    // Elsewhere the wheel is the window's under the pointer.
    ASSERT_TRUE(input.MoveTo({640, 400}));
    Sleep(500);
    ASSERT_TRUE(input.Wheel(2));
    Keys({kCaptureKey});
    // Switched off, not even over the icon.
    WritePrivateProfileStringW(L"Changes", L"Wheel", L"0", program.File(L"NotifyFont.ini").c_str());
    PointAtTheIcon();
    ASSERT_TRUE(input.Wheel(2));
    Keys({kCaptureKey});
    EXPECT_EQ(Captured(SaveFromTray()), (std::vector<int>{52}));
}

// comdlg32 is delay-loaded into the release exe: its first call is the first
// time the import is resolved, which no in-process test reaches. Started here,
// not by RealWindow: the buttons act only with the notification on.
class RealDialogs : public RealInputScenario {};

TEST_F(RealDialogs, TheFontAndColourDialogsOpenAndCancelLeavesTheFile) {
    table[kNotifySlot].enabled = kEnabledOn;  // their buttons act only then
    Start();
    OpenFromTray();
    for (const wchar_t* button : {L"フォント変更", L"カラー変更"}) {
        ClickButton(button);
        HWND dialog = WaitForWindow(program.pid(), L"#32770", 10000, true);
        ASSERT_NE(dialog, nullptr) << test::Utf8Of(button);
        EXPECT_FALSE(Children(dialog, L"Edit").empty()) << "a message box, not the dialog";
        ASSERT_TRUE(input.Key("Escape"));
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }));
    }
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(GetPrivateProfileIntW(L"Font", L"Size", -1, folder.File(L"NotifyFont.ini").c_str()), -1);
}

}  // namespace
}  // namespace quendrel::e2e
