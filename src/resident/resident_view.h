// Where the resident program meets its view, the configuration window. Data
// flows one way: the program tells the view what to show; the view edits the
// settings it is handed and asks the program only for what EditingHost
// offers.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "actions/volume_applier.h"

namespace quendrel {

// What the view does for the program: shows the table and what the volume
// actions do (the status line and the system volume gauge).
class ResidentView : public FadeView {
public:
    // The table is there, loaded or the defaults: the window shows it.
    virtual void ShowTable() = 0;
    // A capture added the preset at this position: the list follows.
    virtual void PresetAdded(std::size_t position) = 0;
    // The window opens for editing.
    virtual void Open() = 0;
    // The output devices changed: one arrived or left, or another became the
    // default. The open window shows the list and the default's volume anew.
    virtual void DevicesChanged() = 0;
};

// What the view asks of the program while the user edits.
class EditingHost : public LiveVolume {
public:
    // The window opens: the hotkeys are withdrawn while it edits the table.
    virtual void BeginEditing() = 0;
    // The window closes: the table is saved (a failure is told) and the
    // hotkeys are registered again.
    virtual void EndEditing() = 0;
    // Every hotkey that cannot act, "name (key)" each.
    virtual std::vector<std::wstring> UnusableHotkeys() const = 0;
};

}  // namespace quendrel
