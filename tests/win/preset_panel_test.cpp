// The preset list half of the configuration window, driven through its
// controls as a user would.
#include "program_fixture.h"
#include "table/table_texts.h"
#include "win32/text_win32.h"

namespace quendrel {
namespace {

using P = PresetPanel;
using test::TableWith;

class PresetPanelTest : public test::ProgramTest {
protected:
    // What closing the window saved of the preset at the position.
    SettingRecord SavedPreset(int position) {
        Close();
        return Saved().Preset(static_cast<std::size_t>(position));
    }
};

TEST_F(PresetPanelTest, NewWithNoPresetsAddsAnItemWithItsEditorOpen) {
    OpenWindow();
    EXPECT_TRUE(Enabled(P::kCreate));
    for (int off : {P::kDelete, P::kHotkey, P::kVolume}) EXPECT_FALSE(Enabled(off)) << off;
    EXPECT_EQ(Text(P::kVolumeLabel), L"音量");

    Click(P::kCreate);
    ASSERT_EQ(ItemCount(), 1);
    EXPECT_EQ(ItemText(0), L"(新規作成された設定)");
    EXPECT_EQ(SelectedItem(), 0);
    EXPECT_NE(CaptionEditor(), nullptr);
    EXPECT_EQ(Position(P::kVolume), 20);
    EXPECT_EQ(KeyOf(P::kHotkey), 0x6070);  // Shift+Ctrl+F1
    for (int on : {P::kDelete, P::kHotkey, P::kVolume}) EXPECT_TRUE(Enabled(on)) << on;
    EXPECT_FALSE(Enabled(P::kMoveUp));
    EXPECT_FALSE(Enabled(P::kMoveDown));
    const SettingRecord record = SavedPreset(0);
    EXPECT_EQ(record.Name(), texts::kNewPresetName);
    EXPECT_EQ(record.hotkey, 0x6070u);
    EXPECT_EQ(record.value, 20);
    EXPECT_EQ(record.enabled, kEnabledOn);
}

TEST_F(PresetPanelTest, KeysInTheCaptionEditorStayWithTheEditor) {
    OpenWindow();
    Click(P::kCreate);
    HWND editor = CaptionEditor();
    ASSERT_NE(editor, nullptr);
    SetWindowTextW(editor, L"abc");
    SendMessageW(editor, EM_SETSEL, 0, 0);
    Press(editor, VK_DELETE);
    EXPECT_EQ(test::WindowText(editor), L"bc");
    EXPECT_EQ(ItemCount(), 1);

    Press(editor, VK_ESCAPE);
    test::PumpMessages();
    EXPECT_EQ(CaptionEditor(), nullptr);
    EXPECT_TRUE(IsWindowVisible(ConfigWindow()));
    EXPECT_EQ(ItemText(0), L"(新規作成された設定)");

    // Outside the editor the keys act again: Delete deletes, Escape closes.
    HWND list = Control(P::kList);
    SetFocus(list);
    Press(list, VK_DELETE);
    EXPECT_EQ(ItemCount(), 0);
    Press(list, VK_ESCAPE);
    test::PumpMessages();
    EXPECT_FALSE(IsWindowVisible(ConfigWindow()));
    EXPECT_EQ(Saved().count, 0);
}

TEST_F(PresetPanelTest, NewWith28PresetsOnlyShowsTheMessage) {
    SettingTable table = TableWith();
    for (int i = 0; i < 28; ++i) table.AppendPresetRecord("p" + std::to_string(i), i, 0x6070u + i);
    OpenWindow(&table);
    ASSERT_EQ(ItemCount(), 28);
    EXPECT_EQ(SelectedItem(), 27);  // loading leaves the last one selected
    EXPECT_EQ(ItemText(27), L"p27");
    EXPECT_EQ(Position(P::kVolume), 27);

    test::MessageBoxAnswerer answerer;
    Click(P::kCreate);
    EXPECT_EQ(ItemCount(), 28);
    EXPECT_EQ(CaptionEditor(), nullptr);
    Sleep(200);
    ASSERT_EQ(answerer.texts().size(), 1u);
    EXPECT_EQ(answerer.texts()[0], L"これ以上設定を作成することはできません");
}

TEST_F(PresetPanelTest, DeletingTheLastSelectsTheNewLastAndTheOnlyEmptiesTheList) {
    const SettingTable table = TableWith({{"A", 10, 0x6070}, {"B", 20, 0x6071}, {"C", 30, 0x6072}});
    OpenWindow(&table);
    ASSERT_EQ(SelectedItem(), 2);
    // The buttons never take the focus: Delete and F2 keep reaching the list.
    HWND list = Control(P::kList);
    SetFocus(list);
    Click(P::kDelete);
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(ItemCount(), 2);
    EXPECT_EQ(SelectedItem(), 1);

    SelectItem(0);
    Click(P::kDelete);
    EXPECT_EQ(SelectedItem(), 0);
    EXPECT_EQ(ItemText(0), L"B");
    EXPECT_EQ(Position(P::kVolume), 20);

    Click(P::kDelete);
    EXPECT_EQ(ItemCount(), 0);
    EXPECT_EQ(SelectedItem(), -1);
    EXPECT_TRUE(Enabled(P::kCreate));
    for (int off : {P::kDelete, P::kMoveUp, P::kMoveDown, P::kHotkey, P::kVolume}) EXPECT_FALSE(Enabled(off)) << off;

    // Nothing selected: the keys leave the table alone.
    SetFocus(list);
    Press(list, VK_DELETE);
    EXPECT_EQ(OpenEditor(), nullptr);
    Close();
    EXPECT_EQ(Saved().count, 0);
}

TEST_F(PresetPanelTest, MovingKeepsEachPresetsHotkeyAndVolume) {
    const SettingTable table = TableWith({{"A", 30, 0x6070}, {"B", 60, 0x6071}});
    OpenWindow(&table);
    ASSERT_EQ(SelectedItem(), 1);
    EXPECT_TRUE(Enabled(P::kMoveUp));
    EXPECT_FALSE(Enabled(P::kMoveDown));

    Click(P::kMoveUp);
    EXPECT_EQ(ItemText(0), L"B");
    EXPECT_EQ(ItemText(1), L"A");
    EXPECT_EQ(SelectedItem(), 0);
    EXPECT_EQ(KeyOf(P::kHotkey), 0x6071);
    EXPECT_EQ(Position(P::kVolume), 60);
    EXPECT_FALSE(Enabled(P::kMoveUp));
    EXPECT_TRUE(Enabled(P::kMoveDown));

    Click(P::kMoveDown);
    EXPECT_EQ(ItemText(0), L"A");
    EXPECT_EQ(SelectedItem(), 1);

    // A caption still being edited when a button is clicked (the button takes
    // no focus from it) is kept, and goes with its preset.
    HWND editor = OpenEditor(VK_F2);
    ASSERT_NE(editor, nullptr);
    SetWindowTextW(editor, L"B2");
    Click(P::kMoveUp);
    test::PumpMessages();
    EXPECT_EQ(CaptionEditor(), nullptr);
    EXPECT_EQ(ItemText(0), L"B2");
    const SettingRecord first = SavedPreset(0);
    EXPECT_EQ(first.Name(), "B2");
    EXPECT_EQ(first.hotkey, 0x6071u);
    EXPECT_EQ(first.value, 60);
    EXPECT_EQ(Saved().Preset(1).hotkey, 0x6070u);
}

TEST_F(PresetPanelTest, ARenameKeepsTheWholeTextInTheListAndHundredBytesInTheRecord) {
    const SettingTable table = TableWith({{"A", 30, 0x6070}});
    OpenWindow(&table);
    HWND editor = OpenEditor(VK_F2);
    ASSERT_NE(editor, nullptr);
    const std::wstring typed(75, L'あ');  // 150 bytes of Shift-JIS
    SetWindowTextW(editor, typed.c_str());
    Press(editor, VK_RETURN);
    test::PumpMessages();
    EXPECT_EQ(CaptionEditor(), nullptr);
    EXPECT_EQ(ItemText(0), typed);
    const std::string name = SavedPreset(0).Name();
    ASSERT_EQ(name.size(), 100u);
    EXPECT_EQ(name, ToCp932(std::wstring(50, L'あ')));
    // Shown again, the list keeps what was typed.
    TrayPress();
    EXPECT_EQ(ItemText(0), typed);

    // Loaded again, the list shows the stored name.
    program.reset();
    OpenWindow();
    EXPECT_EQ(ItemText(0), std::wstring(50, L'あ'));
}

TEST_F(PresetPanelTest, ApplyAtOnceAppliesPresetVolumesAndPutsTheOldOneBack) {
    test::WriteFade(folder.path(), false);
    const SettingTable table = TableWith({{"A", 30, 0x6070}, {"B", 60, 0x6071}});
    OpenWindow(&table);

    // Unticked, the slider only edits the preset.
    Slide(P::kVolume, 0);
    EXPECT_EQ(Text(P::kVolumeLabel), L"音量出力 0%");
    EXPECT_EQ(mixer->Percent(0), 40u);
    EXPECT_EQ(GaugeValue(), 40);
    Slide(P::kVolume, 60);

    Click(P::kApplyAtOnce);
    EXPECT_TRUE(Checked(P::kApplyAtOnce));
    EXPECT_EQ(Text(P::kStatus), L"Auto Changing Enabled");
    EXPECT_EQ(mixer->Percent(0), 60u);
    EXPECT_EQ(mixer->Percent(1), 60u);
    EXPECT_EQ(GaugeValue(), 60);

    Slide(P::kVolume, 75);
    EXPECT_EQ(mixer->Percent(0), 75u);
    EXPECT_EQ(Text(P::kStatus), L"Auto Changing");
    EXPECT_EQ(Text(P::kVolumeLabel), L"音量出力 75%");

    SelectItem(0);  // another preset is heard at once
    EXPECT_EQ(mixer->Percent(0), 30u);
    EXPECT_EQ(Position(P::kVolume), 30);

    // Closing the window unticks the box and puts the first volume back.
    Close();
    EXPECT_FALSE(Checked(P::kApplyAtOnce));
    EXPECT_EQ(mixer->Percent(0), 40u);
    EXPECT_EQ(mixer->Percent(1), 40u);
    EXPECT_EQ(Text(P::kStatus), L"Auto Change Disabled");
    const auto bytes = test::ReadBytes(folder.File(L"SndCols.ini"));
    ASSERT_EQ(bytes.size(), 7u * 120u);
    EXPECT_EQ(bytes[6 * 120 + 108], 75);

    // Closing again with the box unticked leaves the volume alone.
    mixer->SetPercent(0, 55);
    TrayPress();
    Close();
    EXPECT_EQ(mixer->Percent(0), 55u);
}

TEST_F(PresetPanelTest, TheUsersHotkeyGoesIntoTheSelectedPreset) {
    const SettingTable table = TableWith({{"A", 30, 0x6070}});
    OpenWindow(&table);
    HWND key = Control(P::kHotkey);
    TypeKey(key, 'Q');
    EXPECT_EQ(KeyOf(P::kHotkey), 0x6000u | 'Q');

    // Shift alone or Ctrl alone stays as typed: only a key alone gets Shift+Ctrl.
    std::vector<std::uint32_t> typed;
    for (BYTE modifier : {VK_SHIFT, VK_CONTROL}) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[modifier] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(key, WM_KEYDOWN, modifier, 0);
        SendMessageW(key, WM_KEYDOWN, 'W', 0);
        SendMessageW(key, WM_KEYUP, 'W', 0);
        keys[modifier] = 0;
        SetKeyboardState(keys);
        SendMessageW(key, WM_KEYUP, modifier, 0);
        typed.push_back(KeyOf(P::kHotkey));
    }
    EXPECT_EQ(typed, (std::vector<std::uint32_t>{0x2000u | 'W', 0x4000u | 'W'}));
    EXPECT_EQ(SavedPreset(0).hotkey, 0x4000u | 'W');
}

}  // namespace
}  // namespace quendrel
