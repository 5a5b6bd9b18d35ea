#include "win32/trace_win32.h"

#ifndef NDEBUG

#include <string>

#include "base/decimal.h"

namespace quendrel {

void TraceLastError(const wchar_t* what) {
    const DWORD error = GetLastError();
    const std::wstring line = std::wstring(L"Quendrel: ") + what + L" failed, error " + FormatDecimalW(error) + L"\n";
    OutputDebugStringW(line.c_str());
    SetLastError(error);
}

}  // namespace quendrel

#endif
