// The policy-config COM class through which the system's own sound settings
// (and every device switcher) choose the default endpoint. It is not in the
// SDK; its ids and method order are the ones long published for it:
// CPolicyConfigClient with IPolicyConfig holds on Windows 7, 8, 8.1, 10 and
// 11; CPolicyConfigVistaClient with IPolicyConfigVista on Windows Vista (and
// 7). Windows XP has neither, nor has Wine 8 (CoCreateInstance answers
// REGDB_E_CLASSNOTREG). Only SetDefaultEndpoint is called; the methods before
// it are declared to keep the table's order.
#pragma once

#include <windows.h>

#include <mmdeviceapi.h>
#include <mmreg.h>
#include <propidl.h>

namespace quendrel {

struct DeviceShareMode;

// {870af99c-171d-4f9e-af0d-e63df40c2bc9}
constexpr CLSID kPolicyConfigClient = {0x870af99c, 0x171d, 0x4f9e, {0xaf, 0x0d, 0xe6, 0x3d, 0xf4, 0x0c, 0x2b, 0xc9}};
// {f8679f50-850a-41cf-9c72-430f290290c8}
constexpr IID kPolicyConfigId = {0xf8679f50, 0x850a, 0x41cf, {0x9c, 0x72, 0x43, 0x0f, 0x29, 0x02, 0x90, 0xc8}};
// {294935ce-f637-4e7c-a41b-ab255460b862}
constexpr CLSID kPolicyConfigVistaClient = {
    0x294935ce, 0xf637, 0x4e7c, {0xa4, 0x1b, 0xab, 0x25, 0x54, 0x60, 0xb8, 0x62}};
// {568b9108-44bf-40b4-9006-86afe5b5a620}
constexpr IID kPolicyConfigVistaId = {0x568b9108, 0x44bf, 0x40b4, {0x90, 0x06, 0x86, 0xaf, 0xe5, 0xb5, 0xa6, 0x20}};

class IPolicyConfig : public IUnknown {
public:
    virtual HRESULT STDMETHODCALLTYPE GetMixFormat(PCWSTR device, WAVEFORMATEX** format) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDeviceFormat(PCWSTR device, INT defaultFormat, WAVEFORMATEX** format) = 0;
    virtual HRESULT STDMETHODCALLTYPE ResetDeviceFormat(PCWSTR device) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDeviceFormat(PCWSTR device, WAVEFORMATEX* endpoint, WAVEFORMATEX* mix) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetProcessingPeriod(PCWSTR device, INT defaultPeriod, PINT64 period,
                                                          PINT64 minimum) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetProcessingPeriod(PCWSTR device, PINT64 period) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetShareMode(PCWSTR device, DeviceShareMode* mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetShareMode(PCWSTR device, DeviceShareMode* mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPropertyValue(PCWSTR device, const PROPERTYKEY& key, PROPVARIANT* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPropertyValue(PCWSTR device, const PROPERTYKEY& key, PROPVARIANT* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDefaultEndpoint(PCWSTR device, ERole role) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetEndpointVisibility(PCWSTR device, INT visible) = 0;

protected:
    ~IPolicyConfig() = default;
};

// The same without ResetDeviceFormat.
class IPolicyConfigVista : public IUnknown {
public:
    virtual HRESULT STDMETHODCALLTYPE GetMixFormat(PCWSTR device, WAVEFORMATEX** format) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDeviceFormat(PCWSTR device, INT defaultFormat, WAVEFORMATEX** format) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDeviceFormat(PCWSTR device, WAVEFORMATEX* endpoint, WAVEFORMATEX* mix) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetProcessingPeriod(PCWSTR device, INT defaultPeriod, PINT64 period,
                                                          PINT64 minimum) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetProcessingPeriod(PCWSTR device, PINT64 period) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetShareMode(PCWSTR device, DeviceShareMode* mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetShareMode(PCWSTR device, DeviceShareMode* mode) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPropertyValue(PCWSTR device, const PROPERTYKEY& key, PROPVARIANT* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPropertyValue(PCWSTR device, const PROPERTYKEY& key, PROPVARIANT* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDefaultEndpoint(PCWSTR device, ERole role) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetEndpointVisibility(PCWSTR device, INT visible) = 0;

protected:
    ~IPolicyConfigVista() = default;
};

}  // namespace quendrel
