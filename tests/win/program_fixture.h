// The in-process tests' running program, and the messages a user's actions
// send to the configuration window's controls.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "program_harness_win32.h"
#include "table_builder.h"
#include "win32/ui_win32.h"

namespace quendrel::test {

class ProgramTest : public ::testing::Test, protected ProgramHarness {
protected:
    void TearDown() override { Stop(); }

    // From the table as SndCols.ini; by default the all-zero five slots.
    void StartProgram(const SettingTable& table = {}, unsigned devices = 1, unsigned percent = 0) {
        ASSERT_TRUE(Start(&table, devices, percent));
    }
    // Without writing SndCols.ini: a first run, or the file the test left.
    void StartWithoutFile(unsigned devices = 1) { ASSERT_TRUE(Start(nullptr, devices)); }
    // The configuration window open over two devices at 40 %; without a table
    // as on a first run.
    void OpenWindow(const SettingTable* table = nullptr) {
        ASSERT_TRUE(Start(table, 2, 40));
        window().Open();
    }

    static void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }
    static std::wstring Text(HWND control) { return GetText(control); }
    static bool Enabled(HWND control) { return IsWindowEnabled(control) != FALSE; }

    // What the bar sends while the user drags its thumb and lets go.
    void Slide(const TrackBar& bar, int position) {
        SendMessageW(bar.hwnd(), TBM_SETPOS, TRUE, position);
        SendMessageW(window().hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                     reinterpret_cast<LPARAM>(bar.hwnd()));
        SendMessageW(window().hwnd(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(bar.hwnd()));
    }

    // A key press as the message loop delivers it: key preview first, then
    // dialog navigation, then the focused window.
    void Press(HWND target, WPARAM key) {
        MSG message{target, WM_KEYDOWN, key, 1, GetTickCount(), {}};
        if (window().PreviewKey(message)) return;
        if (IsDialogMessageW(window().hwnd(), &message)) return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // A key typed into a hotkey control, without modifiers.
    static void TypeKey(HWND control, WPARAM key) {
        SetFocus(control);
        SendMessageW(control, WM_KEYDOWN, key, 0);
        SendMessageW(control, WM_KEYUP, key, 0);
    }

    // Opens the caption editor as F2 does; null when it did not open.
    HWND OpenEditor(WPARAM key = VK_F2) {
        SetFocus(presetPanel().presetList.hwnd());
        Press(presetPanel().presetList.hwnd(), key);
        return Editor();
    }
    HWND Editor() { return presetPanel().presetList.Editor(); }
};

}  // namespace quendrel::test
