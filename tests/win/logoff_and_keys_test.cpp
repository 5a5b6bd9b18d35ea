// The open configuration window at logoff, extended keys in the fields and
// names, and a conflict report longer than the status bar.
#include "hotkeys/hotkey_conflicts_win32.h"
#include "program_fixture.h"

namespace quendrel {
namespace {

class LogoffTest : public test::ProgramTest {};

TEST_F(LogoffTest, EndingTheSessionSavesTheOpenWindowsEditsAsClosingWould) {
    OpenWindow();  // a first run: the window is open, nothing saved yet
    const std::wstring file = folder.File(L"SndCols.ini");
    Click(presetPanel().createButton.hwnd());
    Press(presetPanel().presetList.Editor(), VK_RETURN);
    EXPECT_TRUE(SendMessageW(window().hwnd(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    SendMessageW(window().hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    SettingTable saved;
    const auto bytes = test::ReadBytes(file);
    saved.LoadFromImage({bytes.begin(), bytes.end()});
    EXPECT_EQ(saved.count, 1);

    // Closed, the window has nothing to save: quitting never saves either.
    SendMessageW(window().hwnd(), WM_CLOSE, 0, 0);
    resident().table().AppendPresetRecord("x", 5, 0);
    SendMessageW(window().hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(test::ReadBytes(file), bytes);

    // Open again, a file that cannot be written shows nothing: the session ends.
    window().Open();
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
    test::MessageBoxAnswerer answerer;
    SendMessageW(window().hwnd(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    test::PumpMessages(300);
    EXPECT_TRUE(answerer.texts().empty());
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(LogoffTest, AnArrowKeyIsShownAndNamedAsTheArrowNotTheKeypad) {
    SettingTable table = test::TableWith({{"A", 10, 0xC026}});  // Ctrl+Alt+Up
    table[kUpSlot].hotkey = 0x6021;                             // Ctrl+Shift+Page Up
    OpenWindow(&table);
    presetPanel().Select(0);
    EXPECT_EQ(SendMessageW(presetPanel().presetHotkey.hwnd(), HKM_GETHOTKEY, 0, 0), 0x0E26);
    EXPECT_EQ(SendMessageW(functionPanel().upKey.hwnd(), HKM_GETHOTKEY, 0, 0), 0x0B21);
    EXPECT_EQ(presetPanel().presetHotkey.Value(), 0xC026);  // stored without the flag
    // The keypad's 8 has the Up arrow's scan code; only the flag tells them apart.
    EXPECT_NE(SystemKeyName(VK_UP), SystemKeyName(VK_NUMPAD8));
    EXPECT_NE(SystemKeyName(VK_DELETE), SystemKeyName(VK_DECIMAL));
}

TEST_F(LogoffTest, AReportLongerThanTheBarIsCutAtAnEntryAndWholeInTheTooltip) {
    SettingTable table;
    table.SetDefaults();
    for (int i = 0; i < 28; ++i) table.AppendPresetRecord("Preset with a long name " + std::to_string(i), 10, 0x6070);
    OpenWindow(&table);
    const StatusBar& bar = window().statusBar();
    wchar_t shown[2048] = {};
    SendMessageW(bar.hwnd(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
    const std::wstring text = shown;
    EXPECT_TRUE(bar.Fits(text));
    // 27 repeat the first one's key; the last entry shown is whole.
    EXPECT_NE(text.find(L"ほか "), std::wstring::npos) << test::Narrow(text);
    EXPECT_EQ(text.find(L"、ほか "), text.rfind(L")、") + 1);
    EXPECT_NE(bar.tip().find(L"Preset with a long name 27 (Control + Shift + F1)"), std::wstring::npos);
}

}  // namespace
}  // namespace quendrel
