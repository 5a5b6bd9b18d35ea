// Where the program keeps its files: beside the executable.
#pragma once

#include <string>

namespace quendrel {

std::wstring ExecutablePath();
// The folder of SndCols.ini and NotifyFont.ini, ending in a backslash.
std::wstring DataDirectory();
std::wstring DataFile(const wchar_t* fileName);
// Tests keep their files in a folder of their own.
void SetDataDirectoryForTesting(const std::wstring& directory);

}  // namespace quendrel
