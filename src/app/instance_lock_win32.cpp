#include "app/instance_lock_win32.h"

#include <string>

#include "base/identity.h"
#include "win32/text_win32.h"
#include "win32/trace_win32.h"

namespace quendrel {

bool InstanceLock::Acquire(Callback<void()> afterLook) {
    const std::wstring name = Widen(identity::kMutexName);
    if (UniqueKernelHandle(OpenMutexW(MUTEX_ALL_ACCESS, FALSE, name.c_str()))) return false;
    afterLook();
    mutex_.reset(CreateMutexW(nullptr, TRUE, name.c_str()));
    // Another instance made it after the look above (both started at the
    // same moment), or made it with rights that this one lacks.
    const DWORD error = GetLastError();
    const bool running = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
    if (!mutex_ && !running) TraceLastError(L"CreateMutexW");
    if (running) mutex_.reset();
    return !running;
}

void InstanceLock::Release() {
    if (!mutex_) return;
    ReleaseMutex(mutex_.get());
    mutex_.reset();
}

}  // namespace quendrel
