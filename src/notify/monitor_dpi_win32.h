// Per-monitor DPI where the system offers it (Windows 10 1607 and later),
// through functions looked up at run time, so that Windows XP still runs.
// The program as a whole stays system-DPI aware; only what runs inside a
// PerMonitorDpiScope (and windows created there) sees physical pixels.
#pragma once

#include <windows.h>

namespace quendrel {

class PerMonitorDpiScope {
public:
    PerMonitorDpiScope();
    ~PerMonitorDpiScope();
    PerMonitorDpiScope(const PerMonitorDpiScope&) = delete;
    PerMonitorDpiScope& operator=(const PerMonitorDpiScope&) = delete;
    // False where the system has no per-monitor DPI: nothing changed.
    bool active() const { return previous_ != nullptr; }

private:
    void* previous_ = nullptr;  // the thread's DPI_AWARENESS_CONTEXT before
};

// The monitor's effective DPI where the system can tell, otherwise the
// screen's.
int MonitorDpi(HMONITOR monitor);

}  // namespace quendrel
