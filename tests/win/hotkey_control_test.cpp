// The hotkey fields: a key shown and named as the key it is.
#include "hotkeys/hotkey_conflicts_win32.h"
#include "program_fixture.h"

namespace quendrel {
namespace {

class HotkeyControlTest : public test::ProgramTest {};

TEST_F(HotkeyControlTest, AnArrowKeyIsShownAndNamedAsTheArrowNotTheKeypad) {
    SettingTable table = test::TableWith({{"A", 10, 0xC026}});  // Ctrl+Alt+Up
    table[kUpSlot].hotkey = 0x6021;                             // Ctrl+Shift+Page Up
    OpenWindow(&table);
    SelectItem(0);
    EXPECT_EQ(SendMessageW(Control(PresetPanel::kHotkey), HKM_GETHOTKEY, 0, 0), 0x0E26);
    EXPECT_EQ(SendMessageW(Control(FunctionPanel::kUpKey), HKM_GETHOTKEY, 0, 0), 0x0B21);
    Close();
    EXPECT_EQ(Saved().Preset(0).hotkey, 0xC026u);  // stored without the flag
    // The keypad's 8 has the Up arrow's scan code; only the flag tells them apart.
    EXPECT_NE(SystemKeyName(VK_UP), SystemKeyName(VK_NUMPAD8));
    EXPECT_NE(SystemKeyName(VK_DELETE), SystemKeyName(VK_DECIMAL));
}

}  // namespace
}  // namespace quendrel
