// The running executable and its folder, where the program keeps its files.
#pragma once

#include <string>

namespace quendrel {

std::wstring ExecutablePath();
// The executable's folder, ending in a backslash.
std::wstring ExecutableFolder();
// A folder ending in a backslash, whichever way it was given.
std::wstring WithTrailingBackslash(std::wstring folder);

}  // namespace quendrel
