// Applies a volume to every mixer device, at once or as the smooth change
// that walks one per cent per Timer1 tick toward its target.
#pragma once

#include <cstdint>
#include <string_view>

#include "mixer/mixer.h"

namespace quendrel {

// Timer1, the 30 ms window timer of the configuration window.
class FadeTimer {
public:
    virtual void Start() = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;

protected:
    ~FadeTimer() = default;
};

// The Status label and Gauge1 of the configuration window.
class FadeView {
public:
    virtual void SetStatus(std::string_view utf8) = 0;
    virtual void SetGauge(int percent) = 0;

protected:
    ~FadeView() = default;
};

class VolumeApplier {
public:
    VolumeApplier(Mixer& mixer, FadeTimer& timer, FadeView& view) : mixer_(mixer), timer_(timer), view_(view) {}

    // volume is clamped to 0..100 first. Smooth: (re)targets the fade and runs
    // one tick at once; direct: writes every device and leaves the fade alone.
    void ApplyVolume(int volume, bool smooth);
    void SetMuteOnAllDevices(bool muted);
    void Timer1Timer();

    // Steps 1 and 2 of RefreshHaltClick; the window then runs COLVolumeChange.
    void OnRefreshHaltChecked();
    void OnRefreshHaltUnchecked(bool fade);

    std::uint16_t FadeCurrent() const { return fadeCurrent_; }
    std::uint16_t FadeTarget() const { return fadeTarget_; }
    int SavedVolume() const { return savedVolume_; }

private:
    int ReadDevice0();

    Mixer& mixer_;
    FadeTimer& timer_;
    FadeView& view_;
    std::uint16_t fadeCurrent_ = 0;
    std::uint16_t fadeTarget_ = 0;
    int savedVolume_ = 0;
};

}  // namespace quendrel
