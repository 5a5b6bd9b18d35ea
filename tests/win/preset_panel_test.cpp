// The preset list half of the configuration window, driven through its
// controls as a user would, and its gauge of device 0.
#include "program_fixture.h"
#include "table/table_texts.h"
#include "win32/text_win32.h"

namespace quendrel {
namespace {

using test::TableWith;

class PresetPanelTest : public test::ProgramTest {};

TEST_F(PresetPanelTest, NewWithNoPresetsAddsAnItemWithItsEditorOpen) {
    OpenWindow();
    auto& p = presetPanel();
    EXPECT_TRUE(IsWindowEnabled(p.createButton.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.deleteButton.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.presetHotkey.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.presetVolume.hwnd()));
    EXPECT_EQ(Text(p.volumeLabel.hwnd()), L"音量");

    Click(p.createButton.hwnd());
    ASSERT_EQ(p.ItemCount(), 1);
    EXPECT_EQ(p.ItemText(0), L"(新規作成された設定)");
    EXPECT_EQ(p.Selected(), 0);
    EXPECT_NE(Editor(), nullptr);
    EXPECT_EQ(p.presetVolume.Position(), 20);
    EXPECT_EQ(p.presetHotkey.Value(), 0x6070);  // Shift+Ctrl+F1
    EXPECT_TRUE(IsWindowEnabled(p.deleteButton.hwnd()));
    EXPECT_TRUE(IsWindowEnabled(p.presetHotkey.hwnd()));
    EXPECT_TRUE(IsWindowEnabled(p.presetVolume.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.moveUpButton.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.moveDownButton.hwnd()));
    const SettingRecord& record = resident().table().Preset(0);
    EXPECT_EQ(record.Name(), texts::kNewPresetName);
    EXPECT_EQ(record.hotkey, 0x6070u);
    EXPECT_EQ(record.value, 20);
    EXPECT_EQ(record.enabled, kEnabledOn);
}

TEST_F(PresetPanelTest, KeysInTheCaptionEditorStayWithTheEditor) {
    OpenWindow();
    Click(presetPanel().createButton.hwnd());
    HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    SetWindowTextW(editor, L"abc");
    SendMessageW(editor, EM_SETSEL, 0, 0);
    Press(editor, VK_DELETE);
    EXPECT_EQ(Text(editor), L"bc");
    EXPECT_EQ(resident().table().count, 1);
    EXPECT_EQ(presetPanel().ItemCount(), 1);

    Press(editor, VK_ESCAPE);
    test::PumpMessages();
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_TRUE(IsWindowVisible(window().hwnd()));
    EXPECT_EQ(presetPanel().ItemText(0), L"(新規作成された設定)");
    EXPECT_EQ(resident().table().Preset(0).Name(), texts::kNewPresetName);

    // Outside the editor the keys act again: Delete deletes, Escape closes.
    SetFocus(presetPanel().presetList.hwnd());
    Press(presetPanel().presetList.hwnd(), VK_DELETE);
    EXPECT_EQ(resident().table().count, 0);
    Press(presetPanel().presetList.hwnd(), VK_ESCAPE);
    test::PumpMessages();
    EXPECT_FALSE(IsWindowVisible(window().hwnd()));
}

TEST_F(PresetPanelTest, NewWith28PresetsOnlyShowsTheMessage) {
    SettingTable table = TableWith();
    for (int i = 0; i < 28; ++i) table.AppendPresetRecord("p" + std::to_string(i), i, 0x6070u + i);
    OpenWindow(&table);
    auto& p = presetPanel();
    ASSERT_EQ(p.ItemCount(), 28);
    EXPECT_EQ(p.Selected(), 27);  // loading leaves the last one selected
    EXPECT_EQ(p.ItemText(27), L"p27");
    EXPECT_EQ(p.presetVolume.Position(), 27);

    test::MessageBoxAnswerer answerer;
    Click(p.createButton.hwnd());
    EXPECT_EQ(p.ItemCount(), 28);
    EXPECT_EQ(resident().table().count, 28);
    EXPECT_EQ(Editor(), nullptr);
    Sleep(200);
    ASSERT_EQ(answerer.texts().size(), 1u);
    EXPECT_EQ(answerer.texts()[0], L"これ以上設定を作成することはできません");
}

TEST_F(PresetPanelTest, DeletingTheLastSelectsTheNewLastAndTheOnlyEmptiesTheList) {
    const SettingTable table = TableWith({{"A", 10, 0x6070}, {"B", 20, 0x6071}, {"C", 30, 0x6072}});
    OpenWindow(&table);
    auto& p = presetPanel();
    ASSERT_EQ(p.Selected(), 2);
    // The buttons never take the focus: Delete and F2 keep reaching the list.
    SetFocus(p.presetList.hwnd());
    Click(p.deleteButton.hwnd());
    EXPECT_EQ(GetFocus(), p.presetList.hwnd());
    EXPECT_EQ(p.ItemCount(), 2);
    EXPECT_EQ(p.Selected(), 1);
    EXPECT_EQ(resident().table().count, 2);
    EXPECT_EQ(resident().table().Preset(2).Name(), "");  // the freed record is cleared

    presetPanel().Select(0);
    Click(p.deleteButton.hwnd());
    EXPECT_EQ(p.Selected(), 0);
    EXPECT_EQ(p.ItemText(0), L"B");
    EXPECT_EQ(resident().table().Preset(0).Name(), "B");
    EXPECT_EQ(p.presetVolume.Position(), 20);

    Click(p.deleteButton.hwnd());
    EXPECT_EQ(p.ItemCount(), 0);
    EXPECT_EQ(p.Selected(), -1);
    EXPECT_EQ(resident().table().count, 0);
    EXPECT_TRUE(IsWindowEnabled(p.createButton.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.deleteButton.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.moveUpButton.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.moveDownButton.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.presetHotkey.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.presetVolume.hwnd()));

    // Nothing selected: the keys leave the table alone.
    SetFocus(p.presetList.hwnd());
    Press(p.presetList.hwnd(), VK_DELETE);
    EXPECT_EQ(OpenEditor(), nullptr);
}

TEST_F(PresetPanelTest, MovingKeepsEachPresetsHotkeyAndVolume) {
    const SettingTable table = TableWith({{"A", 30, 0x6070}, {"B", 60, 0x6071}});
    OpenWindow(&table);
    auto& p = presetPanel();
    ASSERT_EQ(p.Selected(), 1);
    EXPECT_TRUE(IsWindowEnabled(p.moveUpButton.hwnd()));
    EXPECT_FALSE(IsWindowEnabled(p.moveDownButton.hwnd()));

    Click(p.moveUpButton.hwnd());
    EXPECT_EQ(p.ItemText(0), L"B");
    EXPECT_EQ(p.ItemText(1), L"A");
    EXPECT_EQ(p.Selected(), 0);
    const SettingRecord& first = resident().table().Preset(0);
    EXPECT_EQ(first.Name(), "B");
    EXPECT_EQ(first.hotkey, 0x6071u);
    EXPECT_EQ(first.value, 60);
    EXPECT_EQ(p.presetHotkey.Value(), 0x6071);
    EXPECT_EQ(p.presetVolume.Position(), 60);
    EXPECT_FALSE(IsWindowEnabled(p.moveUpButton.hwnd()));
    EXPECT_TRUE(IsWindowEnabled(p.moveDownButton.hwnd()));

    Click(p.moveDownButton.hwnd());
    EXPECT_EQ(p.ItemText(0), L"A");
    EXPECT_EQ(p.Selected(), 1);
    EXPECT_EQ(resident().table().Preset(1).Name(), "B");
    EXPECT_EQ(resident().table().Preset(1).value, 60);
    EXPECT_EQ(resident().table().Preset(0).hotkey, 0x6070u);

    // A caption still being edited when a button is clicked (the button takes
    // no focus from it) is kept, and goes with its preset.
    HWND editor = OpenEditor(VK_F2);
    ASSERT_NE(editor, nullptr);
    SetWindowTextW(editor, L"B2");
    Click(p.moveUpButton.hwnd());
    test::PumpMessages();
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(p.ItemText(0), L"B2");
    EXPECT_EQ(resident().table().Preset(0).Name(), "B2");
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
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(presetPanel().ItemText(0), typed);
    const std::string name = resident().table().Preset(0).Name();
    ASSERT_EQ(name.size(), 100u);
    EXPECT_EQ(name, ToCp932(std::wstring(50, L'あ')));

    // Saved and loaded again, the list shows the stored name.
    SendMessageW(window().hwnd(), WM_CLOSE, 0, 0);
    program.reset();
    OpenWindow();
    EXPECT_EQ(presetPanel().ItemText(0), std::wstring(50, L'あ'));
}

TEST_F(PresetPanelTest, ApplyAtOnceAppliesPresetVolumesAndPutsTheOldOneBack) {
    test::WriteFade(folder.path(), false);
    const SettingTable table = TableWith({{"A", 30, 0x6070}, {"B", 60, 0x6071}});
    OpenWindow(&table);
    auto& p = presetPanel();

    // Unticked, the slider only edits the preset.
    Slide(p.presetVolume, 0);
    EXPECT_EQ(resident().table().Preset(1).value, 0);
    EXPECT_EQ(Text(p.volumeLabel.hwnd()), L"音量出力 0%");
    EXPECT_EQ(mixer->Percent(0), 40u);
    EXPECT_EQ(p.systemVolume.Value(), 40);
    Slide(p.presetVolume, 60);

    Click(p.applyAtOnce.hwnd());
    EXPECT_TRUE(p.applyAtOnce.Checked());
    EXPECT_EQ(Text(p.statusLabel.hwnd()), L"Auto Changing Enabled");
    EXPECT_EQ(mixer->Percent(0), 60u);
    EXPECT_EQ(mixer->Percent(1), 60u);
    EXPECT_EQ(p.systemVolume.Value(), 60);

    Slide(p.presetVolume, 75);
    EXPECT_EQ(mixer->Percent(0), 75u);
    EXPECT_EQ(Text(p.statusLabel.hwnd()), L"Auto Changing");
    EXPECT_EQ(Text(p.volumeLabel.hwnd()), L"音量出力 75%");
    EXPECT_EQ(resident().table().Preset(1).value, 75);

    presetPanel().Select(0);  // another preset is heard at once
    EXPECT_EQ(mixer->Percent(0), 30u);
    EXPECT_EQ(p.presetVolume.Position(), 30);

    // Closing the window unticks the box and puts the first volume back.
    SendMessageW(window().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(p.applyAtOnce.Checked());
    EXPECT_EQ(mixer->Percent(0), 40u);
    EXPECT_EQ(mixer->Percent(1), 40u);
    EXPECT_EQ(Text(p.statusLabel.hwnd()), L"Auto Change Disabled");
    const auto bytes = test::ReadBytes(folder.File(L"SndCols.ini"));
    ASSERT_EQ(bytes.size(), 7u * 120u);
    EXPECT_EQ(bytes[6 * 120 + 108], 75);

    // Closing again with the box unticked leaves the volume alone.
    mixer->SetPercent(0, 55);
    window().Open();
    SendMessageW(window().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(mixer->Percent(0), 55u);
}

TEST_F(PresetPanelTest, TheUsersHotkeyGoesIntoTheSelectedPreset) {
    const SettingTable table = TableWith({{"A", 30, 0x6070}});
    OpenWindow(&table);
    HWND key = presetPanel().presetHotkey.hwnd();
    TypeKey(key, 'Q');
    EXPECT_EQ(resident().table().Preset(0).hotkey, 0x6000u | 'Q');

    // Shift alone or Ctrl alone stays as typed: only a key alone gets Shift+Ctrl.
    for (const auto& [modifier, expected] :
         {std::pair<BYTE, unsigned>{VK_SHIFT, 0x2000u | 'W'}, std::pair<BYTE, unsigned>{VK_CONTROL, 0x4000u | 'W'}}) {
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
        EXPECT_EQ(resident().table().Preset(0).hotkey, expected);
    }
}

class LiveGaugeTest : public test::ProgramTest {
protected:
    const Gauge& gauge() { return presetPanel().systemVolume; }
    // Whether the bar is painted grey, as while the device is muted.
    bool PaintedGrey() {
        HWND bar = gauge().hwnd();
        InvalidateRect(bar, nullptr, TRUE);
        UpdateWindow(bar);
        RECT client{};
        GetClientRect(bar, &client);
        HDC dc = GetDC(bar);
        const COLORREF colour = GetPixel(dc, client.right / 20, client.bottom / 2);
        ReleaseDC(bar, dc);
        return colour == GetSysColor(COLOR_GRAYTEXT);
    }
};

TEST_F(LiveGaugeTest, TheGaugeShowsDeviceZeroFromTheFirstRunOnAndFollowsItWhileShown) {
    OpenWindow();  // a first run, the devices at 40
    EXPECT_EQ(gauge().Value(), 40);
    ASSERT_TRUE(mixer->watcher);

    // Another program, the keyboard's volume keys: whoever changes it.
    mixer->SetPercent(0, 73);
    mixer->mute[0] = 1;
    mixer->Changed();
    EXPECT_EQ(gauge().Value(), 73);
    EXPECT_TRUE(PaintedGrey());

    // Hidden, nothing is watched; shown again, it reads the device afresh.
    SendMessageW(window().hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(mixer->watcher);
    mixer->SetPercent(0, 12);
    mixer->mute[0] = 0;
    window().Open();
    EXPECT_EQ(gauge().Value(), 12);
    EXPECT_FALSE(PaintedGrey());
}

}  // namespace
}  // namespace quendrel
