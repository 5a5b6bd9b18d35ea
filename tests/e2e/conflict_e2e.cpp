// Hotkeys the real program cannot use: a key that this process holds while
// the program starts is named in the configuration window's status bar with
// a key the table repeats, and acts once it is let go.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace quendrel::e2e {
namespace {

constexpr UINT kCtrlShift = MOD_CONTROL | MOD_SHIFT;

struct BalloonSearch {
    const std::wstring& text;
    bool found;
};

// Named, not a lambda: i686 needs the callback's stdcall convention.
BOOL CALLBACK MatchBalloon(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<BalloonSearch*>(param);
    wchar_t name[64] = {}, shown[512] = {};
    GetClassNameW(window, name, 64);
    DWORD_PTR ignored = 0;
    if (lstrcmpW(name, TOOLTIPS_CLASSW) == 0 && IsWindowVisible(window) &&
        SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(shown), SMTO_ABORTIFHUNG, 2000, &ignored))
        search.found = search.found || search.text == shown;
    return TRUE;
}

// Whether the shell shows a balloon with the text: a visible tooltip of the
// shell's, whose text is the balloon's.
bool BalloonShown(const std::wstring& text) {
    BalloonSearch search{text, false};
    EnumWindows(MatchBalloon, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(ConflictScenario, AHeldKeyIsNamedWithARepeatedOneAndActsOnceFree) {
    test::TempFolder folder;
    test::RealInput input;
    ASSERT_TRUE(input.ready()) << "xdotool or the Wine desktop is missing";
    SettingTable table;
    table.SetDefaults();
    table[kCaptureSlot].enabled = kEnabledOn;
    table[kCaptureSlot].hotkey = 0x6043;            // Ctrl+Shift+C
    table.AppendPresetRecord("Silent", 0, 0x6070);  // Ctrl+Shift+F1
    table.AppendPresetRecord("Loud", 100, 0x6071);  // Ctrl+Shift+F2, held here
    table.AppendPresetRecord("Echo", 50, 0x6070);   // Silent's key again
    const auto image = table.Image();
    test::WriteBytes(folder.File(L"SndCols.ini"), {image.begin(), image.end()});
    WritePrivateProfileStringW(L"Changes", L"FADE", L"0", folder.File(L"NotifyFont.ini").c_str());

    test::HotkeyHolder held(kCtrlShift, VK_F2);
    ASSERT_TRUE(held.held());
    QuendrelProcess program(folder.path());
    ASSERT_TRUE(program.Start());
    HWND form1 = WaitForWindow(program.pid(), L"TForm1");
    ASSERT_NE(form1, nullptr);
    ASSERT_TRUE(WaitForHotkeys(form1));
    // Wine's tray shows balloons, a moment after they are asked for.
    EXPECT_TRUE(WaitUntil(
        [] { return BalloonShown(L"他のプログラムが使用中のホットキーがあります: Loud (Control + Shift + F2)"); }));

    ASSERT_TRUE(OpenFromTray(input, form1));
    const auto bars = Children(form1, STATUSCLASSNAMEW);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_TRUE(IsWindowVisible(bars[0]));
    EXPECT_EQ(test::StatusBarText(bars[0]),
              L"使用できないホットキー: Loud (Control + Shift + F2)、Echo (Control + Shift + F1)");
    SettingTable saved;
    ASSERT_TRUE(EscapeSaves(input, program, form1, saved)) << "focus on " << FocusOf(form1);

    // Silent sets 0; once Loud's key is let go, a retry takes it and a press
    // sets 100, which the capture keeps.
    ASSERT_TRUE(input.Key("ctrl+shift+F1"));
    held.Release();
    ASSERT_TRUE(WaitUntil([] { return test::IsHotkeyTaken(kCtrlShift, VK_F2); }, 15000));
    ASSERT_TRUE(input.Key("ctrl+shift+F2"));
    Sleep(150);
    ASSERT_TRUE(input.Key("ctrl+shift+c"));
    saved = SaveThroughTheWindow(program, form1);
    ASSERT_EQ(saved.count, 4);
    EXPECT_EQ(saved.Preset(3).value, 100);
}

}  // namespace
}  // namespace quendrel::e2e
