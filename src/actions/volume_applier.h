// Applies a volume to every mixer device, at once or as the smooth change
// that walks one per cent per tick of its 30 ms timer toward its target.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/timer.h"
#include "mixer/mixer.h"

namespace quendrel {

// Where the applier shows what it does: the configuration window's status
// line and system volume gauge.
class FadeView {
public:
    virtual ~FadeView() = default;
    virtual void SetStatus(std::string_view utf8) = 0;
    virtual void SetGauge(int percent) = 0;
};

// The "apply at once" box of the configuration window: ticked, device 0's
// volume is kept to come back to and each preset volume the user sets is
// heard at once (smoothly when the switch says so); cleared, the kept volume
// comes back.
class LiveVolume {
public:
    virtual ~LiveVolume() = default;
    virtual void Hold() = 0;
    virtual void Hear(int percent) = 0;
    virtual void Restore() = 0;
};

class VolumeApplier {
public:
    VolumeApplier(Mixer& mixer, Timer& fadeTimer) : mixer_(mixer), timer_(fadeTimer) {}

    // Who shows the status and the fade from now on; null: nobody.
    void SetView(FadeView* view) { view_ = view; }

    // volume is clamped to 0..100 first. Smooth: (re)targets the fade and runs
    // one step at once; direct: writes every device and leaves the fade alone.
    void ApplyVolume(int volume, bool smooth);
    void SetMuteOnAllDevices(bool muted);
    // One tick of the fade timer.
    void FadeStep();

    // The "apply at once" box: ticked, it keeps device 0's volume to come
    // back to; cleared, it goes back to it. The preset panel then shows the
    // selected preset's volume again.
    void OnApplyAtOnceChecked();
    void OnApplyAtOnceCleared(bool fade);

    // What the last writes set on every device, for a device that arrives
    // later: the volume (during a fade, the step reached) and the mute, each
    // nothing until something set it.
    struct LastSet {
        std::optional<int> percent;
        std::optional<bool> muted;
    };
    const LastSet& lastSet() const { return lastSet_; }

private:
    int ReadDevice0();
    void SetStatus(std::string_view utf8) const {
        if (view_) view_->SetStatus(utf8);
    }

    Mixer& mixer_;
    Timer& timer_;
    FadeView* view_ = nullptr;
    std::uint16_t fadeCurrent_ = 0;
    std::uint16_t fadeTarget_ = 0;
    int savedVolume_ = 0;
    LastSet lastSet_;
};

}  // namespace quendrel
