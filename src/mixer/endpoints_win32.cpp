#include "mixer/endpoints_win32.h"

#include <propidl.h>

namespace quendrel {
namespace {

// PKEY_Device_FriendlyName, spelt out: the SDK's definition needs INITGUID.
const PROPERTYKEY kFriendlyName = {{0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}}, 14};

}  // namespace

std::wstring EndpointId(IMMDevice* device) {
    wchar_t* id = nullptr;
    if (FAILED(device->GetId(&id)) || !id) return {};
    std::wstring text = id;
    CoTaskMemFree(id);
    return text;
}

std::wstring FriendlyName(IMMDevice* device) {
    ComPtr<IPropertyStore> store;
    if (FAILED(device->OpenPropertyStore(STGM_READ, store.put()))) return {};
    PROPVARIANT value;
    PropVariantInit(&value);
    std::wstring name;
    if (SUCCEEDED(store->GetValue(kFriendlyName, &value)) && value.vt == VT_LPWSTR && value.pwszVal)
        name = value.pwszVal;
    PropVariantClear(&value);
    return name;
}

std::vector<ComPtr<IMMDevice>> ActiveEndpoints(IMMDeviceEnumerator* enumerator, EDataFlow flow) {
    std::vector<ComPtr<IMMDevice>> devices;
    ComPtr<IMMDeviceCollection> collection;
    UINT count = 0;
    if (!enumerator || FAILED(enumerator->EnumAudioEndpoints(flow, DEVICE_STATE_ACTIVE, collection.put())) ||
        !collection || FAILED(collection->GetCount(&count)))
        return devices;
    for (UINT i = 0; i < count; ++i) {
        ComPtr<IMMDevice> device;
        if (SUCCEEDED(collection->Item(i, device.put())) && device) devices.push_back(std::move(device));
    }
    return devices;
}

std::wstring DefaultEndpointId(IMMDeviceEnumerator* enumerator, EDataFlow flow) {
    ComPtr<IMMDevice> device;
    if (!enumerator || FAILED(enumerator->GetDefaultAudioEndpoint(flow, eConsole, device.put())) || !device) return {};
    return EndpointId(device.get());
}

}  // namespace quendrel
