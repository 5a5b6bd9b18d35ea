// The program in this process, on fake devices unless the caller gives a
// mixer, its files in a folder of its own; and the program as a user and the
// system see it: its windows by class (those its application window owns),
// their controls by identifier and what they show, SndCols.ini beside it,
// and the messages the system and other programs send it. Tests reach the
// program through here alone.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/program_win32.h"
#include "base/hotkey_value.h"
#include "base/identity.h"
#include "cli/command_line.h"
#include "fake_devices.h"
#include "fake_mixer.h"
#include "presets/preset_panel_win32.h"
#include "table/setting_table.h"
#include "win_test_support.h"

namespace quendrel::test {

class ProgramProbe {
public:
    // With a table SndCols.ini holds it and no first-run window opens;
    // without one the folder stays as it is (a first run when it is fresh).
    // The environment's fields as the caller set them, then cleared for the
    // next start.
    bool Start(const SettingTable* table, unsigned mixerDevices = 1, unsigned percent = 0) {
        if (table) WriteSettings(folder.path(), *table);
        mixer = nullptr;
        if (!environment.mixer) {
            auto fake = std::make_unique<FakeMixer>(mixerDevices);
            for (unsigned device = 0; device < mixerDevices; ++device) fake->SetPercent(device, percent);
            mixer = fake.get();
            environment.mixer = std::move(fake);
        }
        devices = nullptr;
        if (!environment.devices) {
            auto fake = std::make_unique<FakeDevices>();
            devices = fake.get();
            environment.devices = std::move(fake);
        }
        if (environment.dataFolder.empty()) environment.dataFolder = folder.path();
        program = std::make_unique<Program>(std::move(environment));
        environment = ProgramEnvironment{};
        return program->Start();
    }
    void Stop() { program.reset(); }

    TempFolder folder;  // outlives the program
    ProgramEnvironment environment;
    FakeMixer* mixer = nullptr;      // null on a mixer of the caller's
    FakeDevices* devices = nullptr;  // null on devices of the caller's
    std::unique_ptr<Program> program;

    static HWND ApplicationWindow() {
        return FindProcessWindow(GetCurrentProcessId(), identity::kApplicationClass, false);
    }
    // The program's window of a class; null when there is none.
    static HWND Window(const wchar_t* className);
    static HWND ConfigWindow() { return Window(identity::kConfigClass); }
    // A control of the configuration window, at any depth, by identifier; or
    // its first of a class.
    static HWND Control(int id);
    static HWND ControlOfClass(const wchar_t* className) {
        const auto found = Children(ConfigWindow(), className);
        return found.empty() ? nullptr : found[0];
    }

    // What the system and other programs send the configuration window.
    static void Hotkey(std::size_t id) { SendMessageW(ConfigWindow(), WM_HOTKEY, id, 0); }
    static void TrayPress(UINT mouse = WM_LBUTTONDOWN) {
        SendMessageW(ConfigWindow(), identity::kTrayMessage, identity::kTrayIconId, mouse);
    }
    static void Close() { SendMessageW(ConfigWindow(), WM_CLOSE, 0, 0); }
    static Answer SendBytes(const void* bytes, DWORD size, ULONG_PTR id = identity::kCopyDataId) {
        COPYDATASTRUCT data{id, size, const_cast<void*>(bytes)};
        return AnswerFromResult(SendMessageW(ConfigWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
    }
    static Answer Send(const Action& action) {
        const auto bytes = EncodeAction(action);
        return SendBytes(bytes.data(), static_cast<DWORD>(bytes.size()));
    }

    // The tray menu as a right press on the icon shows it, each item's text
    // ("-" for a separator) and mark; then its item-th item (1 the first,
    // separators skipped) chosen with the keyboard, or none with Escape.
    struct MenuItem {
        std::wstring text;
        bool checked;
    };
    static std::vector<MenuItem> UseTrayMenu(int item = 0);

    // What a user does with a control, and what it shows.
    static void Click(int id) { SendMessageW(Control(id), BM_CLICK, 0, 0); }
    // The track bar's thumb dragged there and let go.
    static void Slide(int id, int position);
    static std::wstring Text(int id) { return WindowText(Control(id)); }
    static bool Enabled(int id) { return IsWindowEnabled(Control(id)) != FALSE; }
    static bool Checked(int id) { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    static int Position(int id) { return static_cast<int>(SendMessageW(Control(id), TBM_GETPOS, 0, 0)); }
    // A hotkey field's key as the table stores it.
    static std::uint16_t KeyOf(int id) {
        return HotkeyFromControl(static_cast<std::uint16_t>(SendMessageW(Control(id), HKM_GETHOTKEY, 0, 0)));
    }
    static int GaugeValue() {
        return static_cast<int>(SendMessageW(Control(PresetPanel::kSystemVolume), PBM_GETPOS, 0, 0));
    }

    // The preset list: its items, the selected one (-1 for none), the caption
    // editor (null while none is open).
    static int ItemCount() { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }
    static int SelectedItem() {
        return static_cast<int>(SendMessageW(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    static std::wstring ItemText(int item);
    static void SelectItem(int item);
    static HWND CaptionEditor() { return reinterpret_cast<HWND>(SendMessageW(List(), LVM_GETEDITCONTROL, 0, 0)); }

    // The status bar's text, "(hidden)" while the bar is; its tooltip's.
    static std::wstring StatusText();
    static std::wstring StatusTip();

    // SndCols.ini as it was last written; empty records when there is none.
    SettingTable Saved() const {
        const auto bytes = ReadBytes(folder.File(L"SndCols.ini"));
        SettingTable saved;
        saved.LoadFromImage({bytes.begin(), bytes.end()});
        return saved;
    }

private:
    static HWND List() { return Control(PresetPanel::kList); }
};

}  // namespace quendrel::test
