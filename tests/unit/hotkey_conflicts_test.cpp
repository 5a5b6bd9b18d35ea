#include "hotkeys/hotkey_conflicts.h"

#include <gtest/gtest.h>

namespace quendrel {
namespace {

using Indices = std::vector<std::size_t>;

constexpr std::uint16_t kCtrlShiftF1 = 0x6070, kCtrlShiftF2 = 0x6071, kAltA = 0x8041;

void SetKey(SettingTable& table, std::size_t index, std::uint32_t hotkey, bool enabled = true) {
    table[index].hotkey = hotkey;
    table[index].enabled = enabled ? kEnabledOn : 0;
}

std::wstring KeyName(std::uint8_t key) {
    switch (key) {
    case kVkControl:
        return L"Ctrl";
    case kVkShift:
        return L"Shift";
    case kVkMenu:
        return L"Alt";
    case 0x70:
        return L"F1";
    case 0x71:
        return L"F2";
    default:
        return std::wstring(1, static_cast<wchar_t>(key));
    }
}

std::wstring Caption(std::size_t index) { return L"設定" + std::to_wstring(index); }
bool AnyWidth(const std::wstring&) { return true; }

TEST(HotkeyConflicts, LaterUsersOfACombinationAreDuplicates) {
    SettingTable table;
    for (int i = 0; i < 6; ++i) table.AppendPresetRecord("p", 50, 0);  // records 5..10
    SetKey(table, kDownSlot, kCtrlShiftF1);
    SetKey(table, 5, kCtrlShiftF1);
    SetKey(table, 6, kCtrlShiftF1 | 0x1F00);  // bits 8..12 do not make another combination
    SetKey(table, 7, kAltA, false);           // disabled: neither takes nor repeats
    SetKey(table, 8, kAltA);
    SetKey(table, kNotifySlot, kCtrlShiftF2);  // registered first, so it takes the key, but is no entry
    SetKey(table, 10, kCtrlShiftF2);
    SetKey(table, kMuteSlot, 0x6000);  // modifiers without a key are no key
    SetKey(table, 9, 0x6000);
    SetKey(table, kUpSlot, kCtrlShiftF2, false);
    EXPECT_EQ(DuplicateHotkeys(HotkeysOf(table)), (Indices{5, 6, 10}));

    // Records past the last preset are not looked at.
    SetKey(table, 11, kAltA);
    EXPECT_EQ(DuplicateHotkeys(HotkeysOf(table)), (Indices{5, 6, 10}));

    // The microphone key comes after every record: of a shared key, it is
    // the one that cannot act.
    Settings settings;
    settings.table = table;
    settings.devices.microphoneKey = kAltA;
    EXPECT_EQ(DuplicateHotkeys(HotkeysOf(settings)), (Indices{5, 6, 10})) << "switched off";
    settings.devices.microphone = true;
    EXPECT_EQ(DuplicateHotkeys(HotkeysOf(settings)), (Indices{5, 6, 10, kMicrophoneHotkeyId}));
}

TEST(HotkeyConflicts, FailuresSplitIntoHeldElsewhereAndDuplicates) {
    SettingTable table;
    table.AppendPresetRecord("a", 10, kCtrlShiftF1);  // 5
    table.AppendPresetRecord("b", 20, kCtrlShiftF1);  // 6
    table.AppendPresetRecord("c", 30, kCtrlShiftF2);  // 7
    SetKey(table, kMuteSlot, kAltA);
    SetKey(table, kNotifySlot, 0x8042);
    SetKey(table, kUpSlot, 0);

    // 5 is held by another program, so 6 fails as well; 4 and 0 have nothing to report.
    const HotkeyConflicts conflicts = FindHotkeyConflicts(HotkeysOf(table), {7, 6, 5, 4, 0, 12});
    EXPECT_EQ(conflicts.heldElsewhere, (Indices{5, 7}));
    EXPECT_EQ(conflicts.duplicates, (Indices{6}));
    EXPECT_EQ(conflicts.Unusable(), (Indices{5, 6, 7}));
    EXPECT_EQ(FindHotkeyConflicts(HotkeysOf(table), {}).Unusable(), (Indices{6}));
}

TEST(HotkeyConflicts, EntryTexts) {
    SettingTable table;
    table.AppendPresetRecord("x", 10, kCtrlShiftF1);
    SetKey(table, kUpSlot, 0xE041);  // Ctrl + Shift + Alt + A
    SetKey(table, kDownSlot, 0x2071);
    SetKey(table, kMuteSlot, kAltA);
    SetKey(table, kCaptureSlot, 0x4041);

    EXPECT_EQ(HotkeyText(0xE041, KeyName), L"Ctrl + Shift + Alt + A");
    // Each place's text with every entry.
    Settings settings;
    settings.table = table;
    settings.devices.microphoneKey = 0x6042;
    const auto whole = [&](ConflictPlace place, const Indices& indices) {
        const auto entries =
            ConflictEntryList(indices, HotkeysOf(settings), PresetCaptionFunction::ToFunction<&Caption>(), KeyName);
        return FitConflictText(place, entries, FitsFunction::ToFunction<&AnyWidth>());
    };
    EXPECT_EQ(whole(ConflictPlace::kStatusBar, {0, 1, 2, 3, 4, 5, 6}),
              L"使用できないホットキー: 音量を上げる (Ctrl + Shift + Alt + A)、音量を下げる (Shift + F2)、"
              L"ミュート切り替え (Alt + A)、音量をキャプチャ (Ctrl + A)、設定5 (Ctrl + Shift + F1)");
    EXPECT_EQ(whole(ConflictPlace::kBalloon, {5}),
              L"他のプログラムが使用中のホットキーがあります: 設定5 (Ctrl + Shift + F1)");
    EXPECT_EQ(whole(ConflictPlace::kStatusBar, {5}), L"使用できないホットキー: 設定5 (Ctrl + Shift + F1)");
    EXPECT_EQ(whole(ConflictPlace::kStatusBar, {4}), L"");
    EXPECT_EQ(whole(ConflictPlace::kStatusBar, {kMicrophoneHotkeyId}),
              L"使用できないホットキー: マイクのミュート切り替え (Ctrl + Shift + B)");
}

TEST(HotkeyConflicts, ReportOnlyANewNonEmptySet) {
    SettingTable table;
    table.AppendPresetRecord("a", 10, kCtrlShiftF1);
    table.AppendPresetRecord("b", 20, kCtrlShiftF2);
    ConflictReport report;
    EXPECT_FALSE(report.ShouldReport({}, HotkeysOf(table)));
    EXPECT_TRUE(report.ShouldReport({6, 5}, HotkeysOf(table)));
    EXPECT_FALSE(report.ShouldReport({5, 6}, HotkeysOf(table)));
    EXPECT_FALSE(report.ShouldReport({}, HotkeysOf(table)));
    EXPECT_FALSE(report.ShouldReport({5, 6}, HotkeysOf(table)));  // back unchanged after a clean pass
    EXPECT_TRUE(report.ShouldReport({5}, HotkeysOf(table)));
    table[5].hotkey = kAltA;  // the same preset, now held under another key
    EXPECT_TRUE(report.ShouldReport({5}, HotkeysOf(table)));
}

// A place as wide as so many characters.
struct UpTo {
    std::size_t length;
    bool Fits(const std::wstring& text) const { return text.size() <= length; }
    operator FitsFunction() const { return Bind<&UpTo::Fits>(this); }
};

TEST(HotkeyConflicts, ALongReportShowsWholeEntriesAndCountsTheRest) {
    const std::vector<std::wstring> entries = {L"A (F1)", L"Bb (F2)", L"Ccc (F3)", L"Dddd (F4)"};
    const auto upTo = [](std::size_t length) { return UpTo{length}; };
    const std::wstring prefix = L"使用できないホットキー: ";
    EXPECT_EQ(FitConflictText(ConflictPlace::kStatusBar, entries, upTo(1000)),
              prefix + L"A (F1)、Bb (F2)、Ccc (F3)、Dddd (F4)");
    EXPECT_EQ(FitConflictText(ConflictPlace::kStatusBar, entries, upTo(prefix.size() + 24)),
              prefix + L"A (F1)、Bb (F2)、ほか 2 件");
    EXPECT_EQ(FitConflictText(ConflictPlace::kStatusBar, entries, upTo(prefix.size() + 3)), prefix + L"ほか 4 件");
    EXPECT_EQ(FitConflictText(ConflictPlace::kBalloon, {}, upTo(1000)), L"");
    // 28 long names in a balloon of 255 characters.
    const std::vector<std::wstring> many(28, L"Preset with a long name (Control + Shift + F13)");
    const std::wstring balloon = FitConflictText(ConflictPlace::kBalloon, many, upTo(255));
    EXPECT_LE(balloon.size(), 255u);
    EXPECT_NE(balloon.find(L"、ほか 24 件"), std::wstring::npos) << balloon.size();
}

}  // namespace
}  // namespace quendrel
