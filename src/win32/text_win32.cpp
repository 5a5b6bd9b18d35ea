#include "win32/text_win32.h"

#include <windows.h>

namespace quendrel {
namespace {

constexpr UINT kShiftJis = 932;

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// substituted, when given, tells whether a character had no exact form.
std::string FromWide(UINT codePage, DWORD flags, std::wstring_view text, BOOL* substituted = nullptr) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, substituted);
    if (length <= 0) return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, flags, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

}  // namespace

std::wstring Widen(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }
std::string Narrow(std::wstring_view wide) { return FromWide(CP_UTF8, 0, wide); }
std::wstring FromCp932(std::string_view bytes) { return ToWide(kShiftJis, bytes); }
std::string ToCp932(std::wstring_view wide) { return FromWide(kShiftJis, 0, wide); }

std::optional<std::string> ToCp932Exactly(std::wstring_view wide) {
    BOOL substituted = FALSE;
    std::string bytes = FromWide(kShiftJis, WC_NO_BEST_FIT_CHARS, wide, &substituted);
    if (substituted || (bytes.empty() && !wide.empty())) return std::nullopt;
    return bytes;
}

}  // namespace quendrel
