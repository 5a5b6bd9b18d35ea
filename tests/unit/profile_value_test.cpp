#include "profile/profile_value.h"

#include <gtest/gtest.h>

#include "profile/fade_setting.h"

namespace quendrel {
namespace {

using Value = std::optional<std::int32_t>;

void ExpectParses(const std::vector<std::pair<const char*, Value>>& cases) {
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseProfileInteger(text), expected) << '"' << text << '"';
}

TEST(ProfileValue, DecimalWithBlanksAndSign) {
    ExpectParses({{"28", 28},
                  {" 12", 12},
                  {"-0", 0},
                  {"+5", 5},
                  {"-7", -7},
                  {"007", 7},
                  {"", std::nullopt},
                  {" ", std::nullopt},
                  {"-", std::nullopt},
                  {"12 ", std::nullopt},
                  {"12pt", std::nullopt},
                  {"1 2", std::nullopt},
                  {"- 5", std::nullopt},
                  {"off", std::nullopt},
                  {"false", std::nullopt}});
}

TEST(ProfileValue, DecimalMustFitThirtyTwoSignedBits) {
    ExpectParses({{"2147483647", INT32_MAX},
                  {"2147483648", std::nullopt},
                  {"-2147483648", INT32_MIN},
                  {"-2147483649", std::nullopt},
                  {"99999999999999999999999", std::nullopt}});
}

TEST(ProfileValue, HexadecimalPrefixes) {
    ExpectParses({{"0x1C", 28},
                  {"0X1c", 28},
                  {"$1c", 28},
                  {"x1C", 28},
                  {"X1C", 28},
                  {" $1C", 28},
                  {"0x000000001C", 28},
                  {"0x", std::nullopt},  // two characters only: read as decimal, and x is no digit
                  {"X", std::nullopt},
                  {"$", std::nullopt},
                  {"0x1G", std::nullopt},
                  {"0x 1C", std::nullopt},
                  {" 0x1C", std::nullopt},  // the 0x form allows no leading blanks
                  {"-$10", std::nullopt}});
}

TEST(ProfileValue, HexadecimalTakesAnyThirtyTwoBitPattern) {
    ExpectParses({{"0xFFFFFFFF", -1},
                  {"0x80000000", INT32_MIN},
                  {"$FF00", 0xFF00},
                  {"0x100000000", std::nullopt},
                  {"$123456789", std::nullopt}});
}

TEST(FadeSetting, OnUnlessTheValueReadsAsZero) {
    EXPECT_FALSE(FadeSettingFromProfile("0"));
    EXPECT_FALSE(FadeSettingFromProfile("0x0"));
    EXPECT_FALSE(FadeSettingFromProfile(" -0"));
    EXPECT_TRUE(FadeSettingFromProfile("1"));
    EXPECT_TRUE(FadeSettingFromProfile("2"));
    EXPECT_TRUE(FadeSettingFromProfile("-1"));
    EXPECT_TRUE(FadeSettingFromProfile("off"));
    EXPECT_TRUE(FadeSettingFromProfile(""));
    EXPECT_TRUE(FadeSettingFromProfile(std::nullopt));
}

}  // namespace
}  // namespace quendrel
