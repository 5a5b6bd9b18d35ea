// The NotifyFont.ini integer reader against a plain reference built on the C
// library: blanks, sign and prefixes decided by hand, the number by strtoll.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "profile/profile_value.h"

using namespace quendrel;

namespace {

bool AllOf(std::string_view text, const char* set) {
    return !text.empty() && text.find_first_not_of(set) == std::string_view::npos;
}

std::optional<std::int32_t> ReferenceHex(std::string_view digits) {
    if (!AllOf(digits, "0123456789abcdefABCDEF")) return std::nullopt;
    const std::string copy(digits);
    errno = 0;
    const unsigned long long value = std::strtoull(copy.c_str(), nullptr, 16);
    if (errno == ERANGE || value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> Reference(std::string_view text) {
    if (text.size() > 2 && text.substr(0, 2) == "0x") return ReferenceHex(text.substr(2));
    if (text.size() > 2 && text.substr(0, 2) == "0X") return ReferenceHex(text.substr(2));
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return std::nullopt;
    text.remove_prefix(start);
    if (text[0] == '$' || text[0] == 'x' || text[0] == 'X') return ReferenceHex(text.substr(1));
    const std::string_view digits = (text[0] == '-' || text[0] == '+') ? text.substr(1) : text;
    if (!AllOf(digits, "0123456789")) return std::nullopt;
    const std::string copy(text);
    errno = 0;
    const long long value = std::strtoll(copy.c_str(), nullptr, 10);
    if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (ParseProfileInteger(text) != Reference(text)) std::abort();
    return 0;
}
