// What two readings of the output devices tell, and how a command line names
// one of them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "devices/sound_devices.h"

namespace quendrel {

// The outputs last seen, against which each new reading is compared.
class OutputTracker {
public:
    struct Changes {
        std::vector<std::wstring> arrived;  // ids not seen before, in the new reading's order
        bool defaultChanged = false;
    };

    void Start(std::vector<OutputDevice> now) { known_ = std::move(now); }
    Changes Update(std::vector<OutputDevice> now);

private:
    std::vector<OutputDevice> known_;
};

// Ids for devices that have no id of their own but a name: the name, and for
// the second and later of the same name " #2", " #3" and so on.
std::vector<std::wstring> NumberedNames(const std::vector<std::wstring>& names);

// The output that a command line's argument names: digits only are the
// position 1.. in the list, anything else the exact name.
std::optional<std::size_t> FindOutput(const std::vector<OutputDevice>& outputs, std::wstring_view argument);

}  // namespace quendrel
