// The hotkeys registered from the table, and those that cannot act,
// in-process: the keys are held by windows of this process, as another
// program would hold them.
#include "program_fixture.h"

namespace quendrel {
namespace {

constexpr UINT kCtrlShift = MOD_CONTROL | MOD_SHIFT;
// More than the retry timer's period.
constexpr DWORD kRetryWait = 5500;

// Presets A (Ctrl+Shift+F1), B and C (both Ctrl+Shift+F2).
SettingTable ThreePresets() { return test::TableWith({{"A", 10, 0x6070}, {"B", 20, 0x6071}, {"C", 30, 0x6071}}); }

RECT Client(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

// Whether a timer of the window runs (it stops if one does).
bool AnyTimerRuns(HWND window) {
    for (UINT_PTR id = 1; id < 8; ++id)
        if (KillTimer(window, id)) return true;
    return false;
}

class HotkeyRegistrationTest : public test::ProgramTest {};

TEST_F(HotkeyRegistrationTest, OnlyTickedKeysAreRegistered) {
    SettingTable table = test::TableWith();
    test::SwitchOn(table, kUpSlot, 0x6070);
    table[kDownSlot].hotkey = 0x6071;  // unticked
    StartProgram(table);
    EXPECT_TRUE(test::IsHotkeyTaken(kCtrlShift, VK_F1));
    EXPECT_FALSE(test::IsHotkeyTaken(kCtrlShift, VK_F2));
}

class ConflictStatusTest : public test::ProgramTest {};

TEST_F(ConflictStatusTest, TheBarNamesWhatCannotActAndFollowsTheEdits) {
    test::HotkeyHolder f1(kCtrlShift, VK_F1);
    ASSERT_TRUE(f1.held());
    const SettingTable table = ThreePresets();
    OpenWindow(&table);
    HWND config = ConfigWindow();
    HWND statusBar = ControlOfClass(STATUSCLASSNAMEW);
    RECT shown{};
    GetWindowRect(config, &shown);

    // A is held elsewhere, C repeats B's key; the window grew by the bar.
    EXPECT_EQ(StatusText(), L"使用できないホットキー: A (Control + Shift + F1)、C (Control + Shift + F2)");
    EXPECT_EQ(SendMessageW(statusBar, SB_GETPARTS, 0, 0), 1);
    RECT bar{};
    GetWindowRect(statusBar, &bar);
    MapWindowPoints(nullptr, config, reinterpret_cast<POINT*>(&bar), 2);
    const int designed = Scale(DevicePanel::kTop + DevicePanel::kHeight);  // the client's height, the band's included
    EXPECT_EQ(bar.top, designed);
    EXPECT_EQ(Client(config).bottom, designed + (bar.bottom - bar.top));

    // A rename shows at once.
    SelectItem(2);
    HWND editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    SetWindowTextW(editor, L"D");
    Press(editor, VK_RETURN);
    test::PumpMessages();
    EXPECT_EQ(StatusText(), L"使用できないホットキー: A (Control + Shift + F1)、D (Control + Shift + F2)");

    // A new key is probed: this one is held elsewhere too.
    test::HotkeyHolder q(kCtrlShift, 'Q');
    ASSERT_TRUE(q.held());
    TypeKey(Control(PresetPanel::kHotkey), 'Q');  // a key alone gets Ctrl+Shift
    EXPECT_EQ(StatusText(), L"使用できないホットキー: A (Control + Shift + F1)、D (Control + Shift + Q)");

    // Both free again: a switch's change probes, the bar goes and the window
    // is as it was designed, where it was.
    f1.Release();
    q.Release();
    Click(FunctionPanel::kUpBox);
    EXPECT_EQ(StatusText(), L"(hidden)");
    EXPECT_EQ(Client(config).right, Scale(630));
    EXPECT_EQ(Client(config).bottom, designed);
    RECT hidden{};
    GetWindowRect(config, &hidden);
    EXPECT_EQ(hidden.left, shown.left);
    EXPECT_EQ(hidden.top, shown.top);

    // Every key registers at the close: nothing to retry, no timer runs.
    Close();
    EXPECT_FALSE(AnyTimerRuns(config));
}

class ConflictReportTest : public test::ProgramTest, private TrayShell {
protected:
    void SetUp() override { environment.shell = this; }
    BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW& data) override {
        calls.push_back({message, data});
        return Shell_NotifyIconW(message, &data);
    }
    std::vector<NOTIFYICONDATAW> Balloons() const {
        std::vector<NOTIFYICONDATAW> balloons;
        for (const auto& [message, data] : calls)
            if (message == NIM_MODIFY && (data.uFlags & NIF_INFO)) balloons.push_back(data);
        return balloons;
    }

    std::vector<std::pair<DWORD, NOTIFYICONDATAW>> calls;
};

TEST_F(ConflictReportTest, AHeldKeyIsToldOnceAndRetriedUntilItRegisters) {
    test::HotkeyHolder f1(kCtrlShift, VK_F1);
    ASSERT_TRUE(f1.held());
    const SettingTable table = ThreePresets();
    StartProgram(table);

    // The duplicate C is no other program's doing: only A is told.
    ASSERT_EQ(Balloons().size(), 1u);
    const NOTIFYICONDATAW balloon = Balloons()[0];
    EXPECT_GE(balloon.cbSize, NOTIFYICONDATAW_V2_SIZE);
    EXPECT_EQ(balloon.dwInfoFlags, static_cast<DWORD>(NIIF_WARNING));
    EXPECT_STREQ(balloon.szInfoTitle, L"Quendrel");
    EXPECT_STREQ(balloon.szInfo, L"他のプログラムが使用中のホットキーがあります: A (Control + Shift + F1)");
    ASSERT_EQ(calls[0].first, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(calls[0].second.cbSize, NOTIFYICONDATAW_V1_SIZE);

    // The window stops the retries: the key, free while it is open, stays free.
    TrayPress();
    f1.Release();
    test::PumpMessages(kRetryWait);
    EXPECT_FALSE(test::IsHotkeyTaken(kCtrlShift, VK_F1));
    // Closing it with the key held again retries, without a second balloon.
    test::HotkeyHolder again(kCtrlShift, VK_F1);
    ASSERT_TRUE(again.held());
    Close();
    EXPECT_EQ(Balloons().size(), 1u);

    // Let go, the next retry takes the key and the timer ends; the duplicate
    // stays refused.
    again.Release();
    bool taken = false;
    for (int i = 0; i < 120 && !(taken = test::IsHotkeyTaken(kCtrlShift, VK_F1)); ++i) test::PumpMessages(100);
    EXPECT_TRUE(taken);
    EXPECT_FALSE(AnyTimerRuns(ConfigWindow()));
    EXPECT_EQ(Balloons().size(), 1u);
}

TEST_F(ConflictStatusTest, AReportLongerThanTheBarIsCutAtAnEntryAndWholeInTheTooltip) {
    SettingTable table;
    table.SetDefaults();
    for (int i = 0; i < 28; ++i) table.AppendPresetRecord("Preset with a long name " + std::to_string(i), 10, 0x6070);
    OpenWindow(&table);
    const std::wstring text = StatusText();
    // Narrower than the bar, in the bar's font.
    HWND bar = ControlOfClass(STATUSCLASSNAMEW);
    HDC dc = GetDC(bar);
    const HGDIOBJ font = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(bar, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, font);
    ReleaseDC(bar, dc);
    EXPECT_LT(extent.cx, Client(bar).right);
    // 27 repeat the first one's key; the last entry shown is whole.
    EXPECT_NE(text.find(L"ほか "), std::wstring::npos) << test::Utf8Of(text);
    EXPECT_EQ(text.find(L"、ほか "), text.rfind(L")、") + 1);
    // The tooltip gives back far more than the bar shows (Wine keeps 1023 characters of it).
    EXPECT_NE(StatusTip().find(L"Preset with a long name 10 (Control + Shift + F1)"), std::wstring::npos);
}

}  // namespace
}  // namespace quendrel
