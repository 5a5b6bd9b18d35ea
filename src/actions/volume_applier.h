// Applies a volume to every mixer device, at once or as the smooth change
// that walks one per cent per tick of its 30 ms timer toward its target.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/timer.h"
#include "mixer/mixer.h"

namespace quendrel {

// The status line and the system volume gauge of the configuration window.
class FadeView {
public:
    virtual ~FadeView() = default;
    virtual void SetStatus(std::string_view utf8) = 0;
    virtual void SetGauge(int percent) = 0;
};

class VolumeApplier {
public:
    VolumeApplier(Mixer& mixer, Timer& fadeTimer, FadeView& view) : mixer_(mixer), timer_(fadeTimer), view_(view) {}

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

    std::uint16_t FadeCurrent() const { return fadeCurrent_; }
    std::uint16_t FadeTarget() const { return fadeTarget_; }
    int SavedVolume() const { return savedVolume_; }

private:
    int ReadDevice0();

    Mixer& mixer_;
    Timer& timer_;
    FadeView& view_;
    std::uint16_t fadeCurrent_ = 0;
    std::uint16_t fadeTarget_ = 0;
    int savedVolume_ = 0;
};

}  // namespace quendrel
