// The single-instance lock: the named mutex "Quendrel", created and owned by
// the first instance for its whole run and released after its message loop.
#pragma once

#include "base/callback.h"
#include "win32/handles_win32.h"

namespace quendrel {

class InstanceLock {
public:
    // True when no other instance runs and this one now owns the mutex.
    // afterLook runs between the look for a running instance and the
    // creation of the mutex: the moment at which a second start can slip in.
    bool Acquire(Callback<void()> afterLook = {});
    void Release();

private:
    UniqueKernelHandle mutex_;
};

}  // namespace quendrel
