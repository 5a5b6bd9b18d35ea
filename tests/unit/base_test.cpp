// The portable helpers: the hotkey value, decimal numbers, the names other
// programs know the program by.
#include <gtest/gtest.h>

#include <string>

#include "base/decimal.h"
#include "base/hotkey_value.h"
#include "base/identity.h"

namespace quendrel {
namespace {

// The one place where they are written out: every other test names them by
// their constants, so a changed constant is caught here.
TEST(Identity, NamesAndNumbersOtherProgramsRelyOn) {
    EXPECT_STREQ(identity::kMutexName, "Quendrel");
    EXPECT_EQ(std::wstring(identity::kConfigClass), L"TForm1");
    EXPECT_STREQ(identity::kConfigCaption, "Quendrel\u3000Ver2.30\u3000コンフィグレーションウインドウ");
    EXPECT_EQ(std::wstring(identity::kAboutClass), L"TForm2");
    EXPECT_STREQ(identity::kAboutCaption, "プログラムInfo");
    EXPECT_EQ(std::wstring(identity::kNotificationClass), L"TForm3");
    EXPECT_STREQ(identity::kNotificationCaption, "通知フォーム");
    EXPECT_EQ(std::wstring(identity::kApplicationClass), L"TApplication");
    EXPECT_EQ(identity::kCopyDataId, 0x514E4452u);
    EXPECT_EQ(identity::kTrayIconId, 4u);
    EXPECT_EQ(identity::kTrayMessage, 1025u);  // WM_USER + 1
}

TEST(HotkeyValue, ConversionsBetweenRecordControlAndRegistration) {
    // Ctrl+Shift+F1
    EXPECT_EQ(HotkeyFromControl(0x0370), 0x6070);
    EXPECT_EQ(HotkeyToControl(0x6070), 0x0370);
    EXPECT_EQ(HotkeyModifiers(0x6070), 6u);
    EXPECT_EQ(HotkeyVirtualKey(0x6070), 0x70);
    // Ctrl+F1 and Alt+A
    EXPECT_EQ(HotkeyFromControl(0x0270), 0x4070);
    EXPECT_EQ(HotkeyToControl(0x8041), 0x0441);
    EXPECT_EQ(HotkeyModifiers(0x8041), 1u);
    // The extended-key flag has no place in a hotkey value.
    EXPECT_EQ(HotkeyFromControl(0x0D2E), 0xA02E);
    EXPECT_EQ(HotkeyModifiers(0), 0u);
    EXPECT_EQ(NextPresetHotkey(0), 0x6070u);
    EXPECT_EQ(NextPresetHotkey(24), 0x6088u);  // past F24
}

TEST(HotkeyValue, KeysThatExistOnlyAsExtendedKeysAreShownExtended) {
    // Arrows, Insert, Delete, Home, End, Page Up/Down, Divide, right Ctrl/Alt, Windows, Apps.
    for (std::uint8_t key :
         {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2D, 0x2E, 0x6F, 0xA3, 0xA5, 0x5B, 0x5C, 0x5D}) {
        EXPECT_TRUE(IsExtendedOnlyKey(key)) << int{key};
        EXPECT_EQ(HotkeyToControl(static_cast<std::uint16_t>(0xC000 | key)), 0x0E00 | key) << int{key};  // Ctrl+Alt
        EXPECT_EQ(HotkeyFromControl(static_cast<std::uint16_t>(0x0E00 | key)), 0xC000 | key) << int{key};
    }
    // The keypad's 8 and Enter's twin, a letter, F1, the left Ctrl: no flag.
    for (std::uint8_t key : {0x68, 0x0D, 0x41, 0x70, 0xA2, 0x20, 0x29, 0x2C}) EXPECT_FALSE(IsExtendedOnlyKey(key));
}

TEST(Decimal, FormatsAnyValueAndParsesOnlyWholeNumbersWithinInt) {
    EXPECT_EQ(FormatDecimal(0), "0");
    EXPECT_EQ(FormatDecimal(-42), "-42");
    EXPECT_EQ(FormatDecimal(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(FormatDecimalW(4294967295), L"4294967295");
    int value = 7;
    for (const wchar_t* bad : {L"", L"-", L"+", L"1a", L" 1", L"2147483648", L"-2147483649"})
        EXPECT_FALSE(ParseDecimal(bad, value)) << bad;
    EXPECT_EQ(value, 7);
    ASSERT_TRUE(ParseDecimal(L"-2147483648", value));
    EXPECT_EQ(value, INT32_MIN);
    ASSERT_TRUE(ParseDecimal(L"+0500", value));
    EXPECT_EQ(value, 500);
}

}  // namespace
}  // namespace quendrel
