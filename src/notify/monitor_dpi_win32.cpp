#include "notify/monitor_dpi_win32.h"

#include "win32/ui_win32.h"

namespace quendrel {
namespace {

using SetContext = void*(WINAPI*)(void*);
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and its first version.
void* const kPerMonitorV2 = reinterpret_cast<void*>(static_cast<INT_PTR>(-4));
void* const kPerMonitor = reinterpret_cast<void*>(static_cast<INT_PTR>(-3));
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

SetContext SetThreadContext() {
    static const auto function = LookupFunction<SetContext>(L"user32.dll", "SetThreadDpiAwarenessContext");
    return function;
}

}  // namespace

PerMonitorDpiScope::PerMonitorDpiScope() {
    if (const SetContext set = SetThreadContext()) {
        previous_ = set(kPerMonitorV2);
        if (!previous_) previous_ = set(kPerMonitor);
    }
}

PerMonitorDpiScope::~PerMonitorDpiScope() {
    if (previous_) SetThreadContext()(previous_);
}

int MonitorDpi(HMONITOR monitor) {
    static const auto function = LookupFunction<GetDpiForMonitorFunction>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (monitor && function && SUCCEEDED(function(monitor, kEffectiveDpi, &x, &y)) && y > 0) return static_cast<int>(y);
    return ScreenDpi();
}

}  // namespace quendrel
