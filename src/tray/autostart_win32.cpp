#include "tray/autostart_win32.h"

#include <windows.h>

#include <vector>

#include "win32/handles_win32.h"

namespace quendrel {
namespace {

UniqueKey OpenRunKey(const std::wstring& path) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return UniqueKey();
    return UniqueKey(key);
}

}  // namespace

AutoStartState AutoStart::Read() const {
    UniqueKey key = OpenRunKey(runKey_);
    if (!key) return AutoStartState::Off;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), kValueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return AutoStartState::Off;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return AutoStartState::WrongType;
    std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.get(), kValueName, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) !=
        ERROR_SUCCESS)
        return AutoStartState::Off;
    // The text ends at its first zero, stored or not.
    const std::wstring text(data.data());
    return text == Text() ? AutoStartState::On : AutoStartState::Off;
}

bool AutoStart::Write() const {
    UniqueKey key = OpenRunKey(runKey_);
    if (!key) return false;
    const std::wstring text = Text();
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));  // with the zero
    return RegSetValueExW(key.get(), kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
           ERROR_SUCCESS;
}

void AutoStart::Delete() const {
    if (UniqueKey key = OpenRunKey(runKey_)) RegDeleteValueW(key.get(), kValueName);
}

}  // namespace quendrel
