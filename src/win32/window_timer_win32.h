// A window timer owned by an object: its window gives it its identifier and
// hands it its WM_TIMER, and it knows whether it runs, since SetTimer on a
// running timer restarts its period.
#pragma once

#include <windows.h>

#include "base/callback.h"
#include "base/timer.h"

namespace quendrel {

class Window;

class WindowTimer final : public Timer {
public:
    explicit WindowTimer(UINT milliseconds) : milliseconds_(milliseconds) {}
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;
    ~WindowTimer() override;

    // The window whose WM_TIMER with this timer's identifier runs onTick.
    void Attach(Window& window);
    // The window is gone (its timers went with it).
    void Detach() {
        window_ = nullptr;
        running_ = false;
    }

    void Start() override;
    void Stop() override;
    bool Running() const override { return running_; }

    UINT_PTR id() const { return id_; }
    // One tick, as WM_TIMER brings it.
    void Tick() const { onTick(); }
    Callback<void()> onTick;

private:
    void Kill();

    Window* window_ = nullptr;
    UINT_PTR id_ = 0;
    UINT milliseconds_;
    bool running_ = false;
};

}  // namespace quendrel
