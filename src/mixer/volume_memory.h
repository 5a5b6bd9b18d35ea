// A device does not always read back what was written: the 32-bit winmm
// mixer of Wine returns one unit less for many volumes, and endpoints with
// hardware volume steps round to their own step. With 655 units to the per
// cent and the remainder dropped, a volume the program wrote would read one
// per cent lower, and a step up from it could do nothing. So each device
// remembers the last volume written to it: a read within less than one per
// cent of its units is that volume. Anything else (set by another program, or
// found at start-up) reads by the scale alone.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace quendrel {

class VolumeMemory {
public:
    // percent was written to the device.
    void Wrote(unsigned device, unsigned percent);
    // The per cent that units read from the device stand for.
    unsigned Percent(unsigned device, std::uint32_t units) const;
    // The devices' numbers may now mean other devices.
    void Forget() { written_.clear(); }

private:
    std::vector<std::optional<unsigned>> written_;
};

}  // namespace quendrel
