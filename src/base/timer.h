// A repeating timer as the portable core sees it; the program's are window
// timers (WindowTimer), the tests' plain flags.
#pragma once

namespace quendrel {

class Timer {
public:
    virtual ~Timer() = default;
    // Starting a running timer would restart its period: callers ask first.
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};

}  // namespace quendrel
