#include "about/device_line.h"

#include "base/decimal.h"

namespace quendrel {

namespace {
constexpr std::size_t kNameChars = 32;
}

std::wstring DeviceLine(std::wstring_view name, std::uint32_t driverVersion) {
    name = name.substr(0, kNameChars);
    std::wstring line(name.substr(0, name.find(L'\0')));
    line += L" Ver ";
    line += FormatDecimalW((driverVersion >> 8) & 0xFF);
    line += L'.';
    line += FormatDecimalW(driverVersion & 0xFF);
    return line;
}

}  // namespace quendrel
