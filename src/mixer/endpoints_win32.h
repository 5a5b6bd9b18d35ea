// What Core Audio tells of an endpoint, shared by the mixer and the devices.
#pragma once

#include <windows.h>

#include <mmdeviceapi.h>

#include <string>
#include <vector>

#include "win32/com_win32.h"

namespace quendrel {

// Empty when it cannot be read.
std::wstring EndpointId(IMMDevice* device);
std::wstring FriendlyName(IMMDevice* device);
// The active endpoints of one direction in the system's order; none when the
// list cannot be had.
std::vector<ComPtr<IMMDevice>> ActiveEndpoints(IMMDeviceEnumerator* enumerator, EDataFlow flow);
// The id of the default endpoint for the console role; empty when there is none.
std::wstring DefaultEndpointId(IMMDeviceEnumerator* enumerator, EDataFlow flow);

}  // namespace quendrel
