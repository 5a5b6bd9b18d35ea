#include "app/autostart_win32.h"

#include <windows.h>

#include <vector>

#include "app/app_paths_win32.h"
#include "win32/handles_win32.h"

namespace quendrel {
namespace {

constexpr wchar_t kRunKey[] = L"SoftWare\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kValueName[] = L"Quendrel";

std::wstring& KeyOverride() {
    static std::wstring path;
    return path;
}

std::wstring& PathOverride() {
    static std::wstring path;
    return path;
}

UniqueKey OpenRunKey() {
    const std::wstring path = KeyOverride().empty() ? kRunKey : KeyOverride();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return UniqueKey();
    return UniqueKey(key);
}

}  // namespace

std::wstring AutoStartText() { return L"\"" + (PathOverride().empty() ? ExecutablePath() : PathOverride()) + L"\""; }

AutoStartState ReadAutoStart() {
    UniqueKey key = OpenRunKey();
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
    return text == AutoStartText() ? AutoStartState::On : AutoStartState::Off;
}

bool WriteAutoStart() {
    UniqueKey key = OpenRunKey();
    if (!key) return false;
    const std::wstring text = AutoStartText();
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));  // with the zero
    return RegSetValueExW(key.get(), kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
           ERROR_SUCCESS;
}

void DeleteAutoStart() {
    if (UniqueKey key = OpenRunKey()) RegDeleteValueW(key.get(), kValueName);
}

void SetAutoStartKeyForTesting(const std::wstring& keyPath) { KeyOverride() = keyPath; }
void SetExecutablePathForTesting(const std::wstring& path) { PathOverride() = path; }

}  // namespace quendrel
