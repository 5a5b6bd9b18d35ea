#include "mixer/volume_memory.h"

#include "mixer/mixer_scale.h"

namespace quendrel {

void VolumeMemory::Wrote(unsigned device, unsigned percent) {
    if (device >= written_.size()) written_.resize(device + 1);
    written_[device] = percent;
}

unsigned VolumeMemory::Percent(unsigned device, std::uint32_t units) const {
    if (device < written_.size() && written_[device]) {
        const std::uint32_t wrote = PercentToUnits(*written_[device]);
        const std::uint32_t off = units > wrote ? units - wrote : wrote - units;
        if (off < kUnitsPerPercent) return *written_[device];
    }
    return UnitsToPercent(units);
}

}  // namespace quendrel
