#include "app/app_paths_win32.h"

#include <windows.h>

namespace quendrel {
namespace {
std::wstring& DirectoryOverride() {
    static std::wstring directory;
    return directory;
}
}  // namespace

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring DataDirectory() {
    if (!DirectoryOverride().empty()) return DirectoryOverride();
    std::wstring path = ExecutablePath();
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

std::wstring DataFile(const wchar_t* fileName) { return DataDirectory() + fileName; }

void SetDataDirectoryForTesting(const std::wstring& directory) {
    DirectoryOverride() = directory;
    if (!directory.empty() && directory.back() != L'\\') DirectoryOverride() += L'\\';
}

}  // namespace quendrel
