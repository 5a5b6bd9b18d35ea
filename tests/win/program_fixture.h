// The in-process tests' running program, seen and driven through the probe,
// and the key presses a user's hands make.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "program_probe_win32.h"
#include "table_builder.h"
#include "win32/ui_win32.h"

namespace quendrel::test {

class ProgramTest : public ::testing::Test, protected ProgramProbe {
protected:
    void TearDown() override { Stop(); }

    // From the table as SndCols.ini; by default the all-zero five slots.
    void StartProgram(const SettingTable& table = {}, unsigned devices = 1, unsigned percent = 0) {
        ASSERT_TRUE(Start(&table, devices, percent));
    }
    // Without writing SndCols.ini: a first run, or the file the test left.
    void StartWithoutFile(unsigned devices = 1) { ASSERT_TRUE(Start(nullptr, devices)); }
    // The configuration window opened from the tray icon, over two devices at
    // 40 %; without a table as on a first run.
    void OpenWindow(const SettingTable* table = nullptr) {
        ASSERT_TRUE(Start(table, 2, 40));
        TrayPress();
    }

    // The program's own message loop, until what is posted has been handled.
    void RunLoop() {
        PostQuitMessage(0);
        program->RunMessageLoop();
    }
    // A key press as the message loop delivers it: key preview first, then
    // dialog navigation, then the focused window.
    void Press(HWND target, WPARAM key) {
        PostMessageW(target, WM_KEYDOWN, key, 1);
        RunLoop();
    }
    // A key typed into a hotkey field, without modifiers.
    static void TypeKey(HWND field, WPARAM key) {
        SetFocus(field);
        SendMessageW(field, WM_KEYDOWN, key, 0);
        SendMessageW(field, WM_KEYUP, key, 0);
    }
    // Opens the caption editor as F2 does; null when it did not open.
    HWND OpenEditor(WPARAM key = VK_F2) {
        HWND list = Control(PresetPanel::kList);
        SetFocus(list);
        Press(list, key);
        return CaptionEditor();
    }
};

}  // namespace quendrel::test
