#include <gtest/gtest.h>

#include <algorithm>

#include "about/device_line.h"
#include "base/decimal.h"
#include "base/hotkey_value.h"
#include "mixer/mixer_scale.h"

namespace quendrel {
namespace {

TEST(MixerScale, FixedSixHundredFiftyFiveUnitsPerPerCent) {
    EXPECT_EQ(PercentToUnits(100), 65500u);
    EXPECT_EQ(PercentToUnits(37), 24235u);
    EXPECT_EQ(UnitsToPercent(65535), 100u);
    EXPECT_EQ(UnitsToPercent(65499), 99u);
    EXPECT_EQ(UnitsToPercent(32767), 50u);
    EXPECT_EQ(UnitsToPercent(654), 0u);
    for (std::uint32_t p = 0; p <= 100; ++p) EXPECT_EQ(UnitsToPercent(PercentToUnits(p)), p);
}

TEST(MixerScale, ClampPercent) {
    EXPECT_EQ(ClampPercent(-1), 0);
    EXPECT_EQ(ClampPercent(0), 0);
    EXPECT_EQ(ClampPercent(100), 100);
    EXPECT_EQ(ClampPercent(101), 100);
    EXPECT_EQ(ClampPercent(std::int64_t{INT32_MAX} + 100), 100);
    EXPECT_EQ(ClampPercent(0xFFFFFFFFu), 100);  // an unsigned read stays positive
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

TEST(DeviceLine, NameThenUnpaddedMajorAndMinor) {
    EXPECT_EQ(DeviceLine(L"Line Mixer", 0x050A), L"Line Mixer Ver 5.10");
    EXPECT_EQ(DeviceLine(L"Line Mixer", 0x0501), L"Line Mixer Ver 5.1");
    EXPECT_EQ(DeviceLine(L"X", 0xFFFF0203), L"X Ver 2.3");  // only the low 16 bits count
    EXPECT_EQ(DeviceLine(std::wstring(32, L'\0'), 0), L" Ver 0.0");
    // A name filling all 32 characters has no terminator; nothing after it is read.
    EXPECT_EQ(DeviceLine(std::wstring(40, L'n'), 0x0100), std::wstring(32, L'n') + L" Ver 1.0");
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
