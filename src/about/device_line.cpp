#include "about/device_line.h"

#include <cstring>

namespace quendrel {

namespace {
constexpr std::size_t kNameBytes = 32;
}

std::string DeviceLine(const char* name32, std::uint32_t driverVersion) {
    std::string line;
    if (name32) {
        const void* end = std::memchr(name32, '\0', kNameBytes);
        line.assign(name32, end ? static_cast<const char*>(end) - name32 : kNameBytes);
    }
    line += " Ver ";
    line += std::to_string((driverVersion >> 8) & 0xFF);
    line += '.';
    line += std::to_string(driverVersion & 0xFF);
    return line;
}

}  // namespace quendrel
