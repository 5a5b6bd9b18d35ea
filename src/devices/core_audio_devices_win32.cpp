#include "devices/core_audio_devices_win32.h"

#include <algorithm>

#include "devices/policy_config_win32.h"
#include "mixer/core_audio_mixer_win32.h"
#include "mixer/endpoints_win32.h"

namespace quendrel {
namespace {

HRESULT CreateInProcess(REFCLSID type, REFIID id, void** object) {
    return CoCreateInstance(type, nullptr, CLSCTX_INPROC_SERVER, id, object);
}

// The policy class by whichever of its two published interfaces it answers.
class Policy {
public:
    explicit Policy(const ComCreator& create) {
        if (FAILED(create(kPolicyConfigClient, kPolicyConfigId, seven_.put_void()))) seven_.reset();
        if (!seven_ && FAILED(create(kPolicyConfigVistaClient, kPolicyConfigVistaId, vista_.put_void())))
            vista_.reset();
    }
    explicit operator bool() const { return seven_ || vista_; }
    HRESULT SetDefault(const std::wstring& id, ERole role) const {
        if (seven_) return seven_->SetDefaultEndpoint(id.c_str(), role);
        return vista_ ? vista_->SetDefaultEndpoint(id.c_str(), role) : E_NOINTERFACE;
    }

private:
    ComPtr<IPolicyConfig> seven_;
    ComPtr<IPolicyConfigVista> vista_;
};

}  // namespace

// Called on a thread of the system's: it does no COM work there, it only
// notes the ids of devices that arrived and posts to the devices' window,
// which takes them on its own thread.
class CoreAudioDevices::Client final : public ComObject<IMMNotificationClient> {
public:
    explicit Client(HWND target) : target_(target) { InitializeCriticalSection(&lock_); }
    ~Client() override { DeleteCriticalSection(&lock_); }

    HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR id, DWORD state) override {
        return state == DEVICE_STATE_ACTIVE ? Arrived(id) : S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR id) override { return Arrived(id); }
    HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR) override {
        // Wine names the device by its registry value, not by an endpoint id:
        // the window reads the list itself.
        if (flow == eRender && role == eConsole) PostMessageW(target_, CoreAudioDevices::kDefaultOutputChanged, 0, 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override { return S_OK; }

    // On the window's thread: the ids noted since the last call.
    std::vector<std::wstring> TakeArrived() {
        EnterCriticalSection(&lock_);
        std::vector<std::wstring> ids = std::move(arrived_);
        arrived_.clear();
        LeaveCriticalSection(&lock_);
        return ids;
    }

private:
    // Whether it is an output, and an active one, is asked on the window's thread.
    HRESULT Arrived(LPCWSTR id) {
        EnterCriticalSection(&lock_);
        arrived_.emplace_back(id ? id : L"");
        LeaveCriticalSection(&lock_);
        PostMessageW(target_, CoreAudioDevices::kOutputsChanged, 0, 0);
        return S_OK;
    }

    HWND target_;
    CRITICAL_SECTION lock_;
    std::vector<std::wstring> arrived_;
};

ComCreator SystemComCreator() { return ComCreator::ToFunction<&CreateInProcess>(); }

CoreAudioDevices::CoreAudioDevices(ComPtr<IMMDeviceEnumerator> enumerator, ComCreator create)
    : enumerator_(std::move(enumerator)), create_(create) {}

CoreAudioDevices::~CoreAudioDevices() { Unwatch(); }

std::vector<OutputDevice> CoreAudioDevices::Outputs() {
    std::vector<OutputDevice> outputs;
    const std::wstring preferred = DefaultEndpointId(enumerator_.get(), eRender);
    for (const auto& device : ActiveEndpoints(enumerator_.get(), eRender)) {
        OutputDevice output{EndpointId(device.get()), FriendlyName(device.get())};
        if (output.id.empty()) continue;  // gone since the list was made
        output.isDefault = output.id == preferred;
        outputs.push_back(std::move(output));
    }
    return outputs;
}

bool CoreAudioDevices::IsActiveOutput(const std::wstring& id) {
    const auto devices = ActiveEndpoints(enumerator_.get(), eRender);
    return std::any_of(devices.begin(), devices.end(),
                       [&](const auto& device) { return EndpointId(device.get()) == id; });
}

bool CoreAudioDevices::CanSwitch() {
    if (!canSwitch_) canSwitch_ = static_cast<bool>(Policy(create_));
    return *canSwitch_;
}

SwitchResult CoreAudioDevices::MakeDefault(const std::wstring& id) {
    const Policy policy(create_);
    canSwitch_ = static_cast<bool>(policy);
    if (!policy) return SwitchResult::kCannotSwitch;
    if (!IsActiveOutput(id)) return SwitchResult::kNoSuchDevice;
    bool done = true;
    for (ERole role : {eConsole, eMultimedia, eCommunications}) done = SUCCEEDED(policy.SetDefault(id, role)) && done;
    if (done) return SwitchResult::kDone;
    // Gone meanwhile, or refused.
    return IsActiveOutput(id) ? SwitchResult::kCannotSwitch : SwitchResult::kNoSuchDevice;
}

bool CoreAudioDevices::SetOutputVolume(const std::wstring& id, std::optional<unsigned> percent,
                                       std::optional<bool> muted) {
    ComPtr<IMMDevice> device;
    DWORD state = 0;
    ComPtr<IAudioEndpointVolume> volume;
    if (!enumerator_ || FAILED(enumerator_->GetDevice(id.c_str(), device.put())) || !device ||
        FAILED(device->GetState(&state)) || state != DEVICE_STATE_ACTIVE ||
        FAILED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr, volume.put_void())) || !volume)
        return false;
    const bool level = !percent || SUCCEEDED(volume->SetMasterVolumeLevelScalar(PercentToScalar(*percent), nullptr));
    return (!muted || SUCCEEDED(volume->SetMute(*muted ? TRUE : FALSE, nullptr))) && level;
}

void CoreAudioDevices::RefreshMicrophones() {
    std::vector<Microphone> now;
    for (const auto& device : ActiveEndpoints(enumerator_.get(), eCapture)) {
        std::wstring id = EndpointId(device.get());
        if (id.empty()) continue;
        const auto kept = std::find_if(microphones_.begin(), microphones_.end(),
                                       [&](const Microphone& microphone) { return microphone.id == id; });
        if (kept != microphones_.end()) {
            now.push_back(std::move(*kept));
            continue;
        }
        ComPtr<IAudioEndpointVolume> volume;
        if (SUCCEEDED(device->Activate(__uuidof(IAudioEndpointVolume), CLSCTX_ALL, nullptr, volume.put_void())) &&
            volume)
            now.push_back({std::move(id), std::move(volume)});
    }
    microphones_ = std::move(now);
    defaultMicrophone_ = DefaultEndpointId(enumerator_.get(), eCapture);
}

bool CoreAudioDevices::HasMicrophoneMute() {
    RefreshMicrophones();
    return !microphones_.empty();
}

std::optional<bool> CoreAudioDevices::ToggleMicrophoneMute() {
    RefreshMicrophones();
    if (microphones_.empty()) return std::nullopt;
    auto decides = std::find_if(microphones_.begin(), microphones_.end(),
                                [this](const Microphone& microphone) { return microphone.id == defaultMicrophone_; });
    if (decides == microphones_.end()) decides = microphones_.begin();
    BOOL muted = FALSE;
    const bool now = SUCCEEDED(decides->volume->GetMute(&muted)) ? muted != FALSE : microphoneMuted_;
    return SetMicrophones(!now);
}

std::optional<bool> CoreAudioDevices::SetMicrophoneMute(bool muted) {
    RefreshMicrophones();
    return SetMicrophones(muted);
}

// A microphone that went away meanwhile refuses quietly; the others go on.
std::optional<bool> CoreAudioDevices::SetMicrophones(bool muted) {
    bool taken = false;
    for (const Microphone& microphone : microphones_)
        taken = SUCCEEDED(microphone.volume->SetMute(muted ? TRUE : FALSE, nullptr)) || taken;
    if (!taken) return std::nullopt;
    microphoneMuted_ = muted;
    return muted;
}

void CoreAudioDevices::Watch(DeviceEvents events) {
    Unwatch();
    if (!enumerator_) return;
    if (!window_) {
        window_ = std::make_unique<MessageWindow>(Bind<&CoreAudioDevices::OnMessage>(this));
        if (!window_->Create()) {
            window_.reset();
            return;
        }
    }
    events_ = events;
    ComPtr<Client> client(new Client(window_->hwnd()));
    if (SUCCEEDED(enumerator_->RegisterEndpointNotificationCallback(client.get()))) client_ = std::move(client);
}

void CoreAudioDevices::StopWatching() { Unwatch(); }

void CoreAudioDevices::Unwatch() {
    if (client_) enumerator_->UnregisterEndpointNotificationCallback(client_.get());
    client_.reset();
    events_ = {};
}

bool CoreAudioDevices::OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message != kOutputsChanged && message != kDefaultOutputChanged) return false;
    // Posted before the watch ended: nobody to tell.
    if (!client_) return true;
    const DeviceEvents events = events_;  // a watcher may stop the watch
    if (message == kDefaultOutputChanged) {
        events.defaultOutputChanged();
        return true;
    }
    std::vector<std::wstring> told;
    const auto outputs = Outputs();
    for (std::wstring& id : client_->TakeArrived()) {
        const bool output = std::any_of(outputs.begin(), outputs.end(), [&](const auto& o) { return o.id == id; });
        if (output && std::find(told.begin(), told.end(), id) == told.end()) told.push_back(std::move(id));
    }
    for (const std::wstring& id : told) events.outputArrived(id);
    return true;
}

}  // namespace quendrel
