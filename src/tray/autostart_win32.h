// Start with Windows: the string value "Quendrel" under the current user's
// Run key, holding the executable's full path in double quotes.
#pragma once

#include <string>

namespace quendrel {

enum class AutoStartState { Off, On, WrongType };

class AutoStart {
public:
    static constexpr wchar_t kRunKey[] = L"SoftWare\\Microsoft\\Windows\\CurrentVersion\\Run";
    static constexpr wchar_t kValueName[] = L"Quendrel";

    // runKey: the key's path under HKEY_CURRENT_USER; executablePath: the
    // program the value starts.
    AutoStart(std::wstring runKey, std::wstring executablePath)
        : runKey_(std::move(runKey)), executablePath_(std::move(executablePath)) {}

    // "\"" + executable path + "\"": what is written and what a stored value
    // must equal, byte for byte.
    std::wstring Text() const { return L"\"" + executablePath_ + L"\""; }

    // On only when the stored text equals Text() exactly; a missing key or
    // value is Off; a value that is not a string is WrongType. The key is
    // created when missing.
    AutoStartState Read() const;
    // False when the value could not be written.
    bool Write() const;
    // A missing value or key is no error.
    void Delete() const;

private:
    std::wstring runKey_;
    std::wstring executablePath_;
};

}  // namespace quendrel
