// The configuration window of the real program: a preset made, renamed and
// set in the window reaches SndCols.ini and its hotkey acts after closing.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace quendrel::e2e {
namespace {

using test::ReadBytes;

HWND ChildWithText(HWND parent, const wchar_t* className, const wchar_t* text) {
    for (HWND child : Children(parent, className))
        if (WindowText(child) == text) return child;
    return nullptr;
}

std::string Cp932(const std::wstring& text) {
    char bytes[256] = {};
    const int length =
        WideCharToMultiByte(932, 0, text.c_str(), static_cast<int>(text.size()), bytes, sizeof bytes, nullptr, nullptr);
    return std::string(bytes, static_cast<std::size_t>(length));
}

std::uint32_t Field(const std::vector<unsigned char>& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

TEST(ConfigScenario, APresetMadeInTheWindowIsSavedAndItsHotkeyActsAfterClosing) {
    test::TempFolder folder;
    QuendrelProcess program(folder.path());
    ASSERT_TRUE(program.Start());
    HWND form1 = WaitForWindow(program.pid(), L"TForm1", 15000, true);
    ASSERT_NE(form1, nullptr);
    HWND create = ChildWithText(form1, L"Button", L"Create");
    ASSERT_NE(create, nullptr);
    const auto lists = Children(form1, WC_LISTVIEWW);
    ASSERT_EQ(lists.size(), 1u);
    HWND list = lists[0];

    // New opens the caption editor on the new preset; the user types a name.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(create, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    HWND editor = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        const auto edits = Children(list, L"Edit");
        editor = edits.empty() ? nullptr : edits[0];
        return editor != nullptr && IsWindowVisible(editor);
    }));
    const std::wstring name = L"夜のテスト";
    SendMessageTimeoutW(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()), SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    PostMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor) || !IsWindowVisible(editor); }));

    // The volume track bar of the preset is the window's first.
    const auto bars = Children(form1, TRACKBAR_CLASSW);
    ASSERT_FALSE(bars.empty());
    HWND volume = bars[0];
    ASSERT_TRUE(IsWindowEnabled(volume));
    SendMessageTimeoutW(volume, TBM_SETPOS, TRUE, 55, SMTO_ABORTIFHUNG, 5000, &ignored);
    PostMessageW(form1, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(volume));
    EXPECT_FALSE(test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1));  // none while the window is open

    PostMessageW(form1, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(form1); }));
    std::vector<unsigned char> bytes;
    ASSERT_TRUE(WaitUntil([&] { return (bytes = ReadBytes(folder.File(L"SndCols.ini"))).size() == 720; }));
    const std::size_t record = 5 * 120;
    const std::string stored = Cp932(name);
    ASSERT_EQ(bytes[record], stored.size());
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[record + 1]), stored.size()), stored);
    EXPECT_EQ(Field(bytes, record + 104), 0x6070u);  // Shift+Ctrl+F1
    EXPECT_EQ(Field(bytes, record + 108), 55u);
    EXPECT_EQ(Field(bytes, record + 116), 0xFFFFFFFFu);
    EXPECT_TRUE(WaitUntil([] { return test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1); }, 5000));
}

}  // namespace
}  // namespace quendrel::e2e
