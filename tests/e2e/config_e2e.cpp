// The configuration window of the real program: a preset made and named in
// the window reaches SndCols.ini when Escape closes it, and its hotkey is
// registered then.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace quendrel::e2e {
namespace {

std::string Cp932(const std::wstring& text) {
    char bytes[256] = {};
    const int length =
        WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), bytes, sizeof bytes, nullptr, nullptr);
    return std::string(bytes, static_cast<std::size_t>(length));
}

TEST(ConfigScenario, APresetMadeInTheWindowIsSavedAndItsHotkeyActsAfterClosing) {
    test::TempFolder folder;
    test::RealInput input;
    ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
    QuendrelProcess program(folder.path());
    ASSERT_TRUE(program.Start());
    HWND configWindow = WaitForWindow(program.pid(), identity::kConfigClass, 15000, true);
    ASSERT_NE(configWindow, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == configWindow; }));
    HWND create = ChildWithText(configWindow, L"Button", L"Create");
    ASSERT_NE(create, nullptr);
    const auto lists = Children(configWindow, WC_LISTVIEWW);
    ASSERT_EQ(lists.size(), 1u);
    HWND list = lists[0];

    // New opens the caption editor on the new preset. The name is Japanese,
    // which X cannot type without an input method: it is set as text, then
    // accepted with a real Return.
    ASSERT_TRUE(input.Click(test::CenterOf(create)));
    HWND editor = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const auto edits = Children(list, L"Edit");
        editor = edits.empty() ? nullptr : edits[0];
        return editor != nullptr && IsWindowVisible(editor);
    }));
    const std::wstring name = L"夜のテスト";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()), SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    ASSERT_TRUE(input.Key("Return"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor) || !IsWindowVisible(editor); }));
    EXPECT_FALSE(test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1));  // none while the window is open

    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(input, program, configWindow, saved)) << "focus on " << FocusOf(configWindow);
    ASSERT_EQ(saved.count, 1);
    EXPECT_EQ(saved.Preset(0).Name(), Cp932(name));
    EXPECT_EQ(saved.Preset(0).hotkey, 0x6070u);  // Shift+Ctrl+F1
    EXPECT_EQ(saved.Preset(0).value, 20);
    EXPECT_EQ(saved.Preset(0).enabled, kEnabledOn);
    EXPECT_TRUE(WaitUntil([] { return test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1); }, 5000));
}

}  // namespace
}  // namespace quendrel::e2e
