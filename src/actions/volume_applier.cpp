#include "actions/volume_applier.h"

#include "actions/action_texts.h"
#include "mixer/mixer_scale.h"

namespace quendrel {

// A control that runs past 65535 would read above 100, and the fade fields
// and the callers expect a per cent.
int VolumeApplier::ReadDevice0() { return ClampPercent(mixer_.GetMasterVolume(0)); }

void VolumeApplier::ApplyVolume(int volume, bool smooth) {
    const int percent = ClampPercent(volume);
    if (smooth) {
        // SetTimer on a running timer would restart its period; a second
        // preset during a fade must go on at the old rhythm.
        if (!timer_.Running()) timer_.Start();
        fadeCurrent_ = static_cast<std::uint16_t>(ReadDevice0());
        fadeTarget_ = static_cast<std::uint16_t>(percent);
        FadeStep();
        return;
    }
    lastSet_.percent = percent;
    const unsigned count = mixer_.DeviceCount();
    for (unsigned device = 0; device < count; ++device) mixer_.SetMasterVolume(device, static_cast<unsigned>(percent));
}

void VolumeApplier::SetMuteOnAllDevices(bool muted) {
    lastSet_.muted = muted;
    const unsigned count = mixer_.DeviceCount();
    for (unsigned device = 0; device < count; ++device) mixer_.SetMasterMute(device, muted);
}

void VolumeApplier::FadeStep() {
    if (fadeCurrent_ == fadeTarget_) {
        timer_.Stop();
        SetStatus("");
        return;
    }
    if (fadeCurrent_ < fadeTarget_)
        ++fadeCurrent_;
    else
        --fadeCurrent_;
    ApplyVolume(fadeCurrent_, false);
    if (view_) view_->SetGauge(fadeCurrent_);
}

void VolumeApplier::OnApplyAtOnceChecked() {
    savedVolume_ = ReadDevice0();
    SetStatus(texts::kStatusAutoChangingEnabled);
}

void VolumeApplier::OnApplyAtOnceCleared(bool fade) {
    ApplyVolume(savedVolume_, fade);
    SetStatus(texts::kStatusAutoChangeDisabled);
}

}  // namespace quendrel
