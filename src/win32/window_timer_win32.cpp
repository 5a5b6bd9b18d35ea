#include "win32/window_timer_win32.h"

#include "win32/window_win32.h"

namespace quendrel {

WindowTimer::~WindowTimer() {
    Kill();
    if (window_) window_->Unregister(*this);
}

void WindowTimer::Attach(Window& window) {
    window_ = &window;
    id_ = window.Register(*this);
}

void WindowTimer::Start() {
    if (!window_ || !window_->hwnd()) return;
    SetTimer(window_->hwnd(), id_, milliseconds_, nullptr);
    running_ = true;
}

void WindowTimer::Stop() { Kill(); }

void WindowTimer::Kill() {
    if (running_ && window_ && window_->hwnd()) KillTimer(window_->hwnd(), id_);
    running_ = false;
}

}  // namespace quendrel
