// Start with Windows: the string value "Quendrel" under the current user's
// Run key, holding the executable's full path in double quotes.
#pragma once

#include <string>

namespace quendrel {

enum class AutoStartState { Off, On, WrongType };

// "\"" + executable path + "\"": what is written and what a stored value must
// equal, byte for byte.
std::wstring AutoStartText();

// On only when the stored text equals AutoStartText() exactly; a missing key
// or value is Off; a value that is not a string is WrongType. The key is
// created when missing.
AutoStartState ReadAutoStart();
// False when the value could not be written.
bool WriteAutoStart();
// A missing value or key is no error.
void DeleteAutoStart();

// Tests use a key of their own and a made-up executable path; empty restores
// the real ones.
void SetAutoStartKeyForTesting(const std::wstring& keyPath);
void SetExecutablePathForTesting(const std::wstring& path);

}  // namespace quendrel
