// Failures the user is not told about (the window class, a window, the tray
// icon, the mutex) still leave a line for a developer: in debug builds, on
// the debugger's output, with the system's error code.
#pragma once

#include <windows.h>

namespace quendrel {

#ifdef NDEBUG
inline void TraceLastError(const wchar_t*) {}
#else
void TraceLastError(const wchar_t* what);
#endif

}  // namespace quendrel
