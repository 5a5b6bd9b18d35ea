// The configuration window in-process, with a fake mixer and a data folder of
// its own, and the messages a user's actions send to its controls.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/program_win32.h"
#include "fake_mixer.h"
#include "win32/ui_win32.h"
#include "win_test_support.h"

namespace quendrel::test {

class ConfigWindowTest : public ::testing::Test {
protected:
    void TearDown() override { program.reset(); }

    // Without a table the program starts as on a first run, window open.
    void Start(const SettingTable* table = nullptr) {
        if (table) {
            const auto image = table->Image();
            WriteBytes(folder.File(L"SndCols.ini"), {image.begin(), image.end()});
        }
        auto fake = std::make_unique<FakeMixer>(2);
        fake->SetPercent(0, 40);
        fake->SetPercent(1, 40);
        mixer = fake.get();
        ProgramEnvironment environment;
        environment.mixer = std::move(fake);
        environment.dataFolder = folder.path();
        program = std::make_unique<Program>(std::move(environment));
        ASSERT_TRUE(program->Start());
        form().Open();
    }

    ConfigWindow& form() { return program->configWindow(); }
    PresetPanel& presetPanel() { return form().presetPanel(); }
    FunctionPanel& functionPanel() { return form().functionPanel(); }

    static void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

    // What the bar sends while the user drags its thumb and lets go.
    void Slide(const TrackBar& bar, int position) {
        SendMessageW(bar.hwnd(), TBM_SETPOS, TRUE, position);
        SendMessageW(form().hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                     reinterpret_cast<LPARAM>(bar.hwnd()));
        SendMessageW(form().hwnd(), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(bar.hwnd()));
    }

    // A key press as the message loop delivers it: key preview first, then
    // dialog navigation, then the focused window.
    void Press(HWND target, WPARAM key) {
        MSG message{target, WM_KEYDOWN, key, 1, GetTickCount(), {}};
        if (form().PreviewKey(message)) return;
        if (IsDialogMessageW(form().hwnd(), &message)) return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }

    // Opens the caption editor as F2 does; null when it did not open.
    HWND OpenEditor(WPARAM key = VK_F2) {
        SetFocus(presetPanel().presetList.hwnd());
        Press(presetPanel().presetList.hwnd(), key);
        return Editor();
    }
    HWND Editor() { return presetPanel().presetList.Editor(); }

    std::wstring Text(HWND window) { return GetText(window); }

    TempFolder folder;
    FakeMixer* mixer = nullptr;
    std::unique_ptr<Program> program;
};

// A table with the given presets after the default slots.
inline SettingTable TableWith(std::initializer_list<std::tuple<const char*, int, std::uint32_t>> presets) {
    SettingTable table;
    table.SetDefaults();
    for (const auto& [name, volume, hotkey] : presets) table.AppendPresetRecord(name, volume, hotkey);
    return table;
}

}  // namespace quendrel::test
