// A sound device as the about window lists it.
#include "about/device_line.h"

#include <gtest/gtest.h>

#include <string>

namespace quendrel {
namespace {

TEST(DeviceLine, NameThenUnpaddedMajorAndMinor) {
    EXPECT_EQ(DeviceLine(L"Line Mixer", 0x050A), L"Line Mixer Ver 5.10");
    EXPECT_EQ(DeviceLine(L"Line Mixer", 0x0501), L"Line Mixer Ver 5.1");
    EXPECT_EQ(DeviceLine(L"X", 0xFFFF0203), L"X Ver 2.3");  // only the low 16 bits count
    EXPECT_EQ(DeviceLine(std::wstring(32, L'\0'), 0), L" Ver 0.0");
    // A name filling all 32 characters has no terminator; nothing after it is read.
    EXPECT_EQ(DeviceLine(std::wstring(40, L'n'), 0x0100), std::wstring(32, L'n') + L" Ver 1.0");
}

}  // namespace
}  // namespace quendrel
