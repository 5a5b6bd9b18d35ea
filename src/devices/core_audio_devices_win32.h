// The sound devices over Core Audio (Vista and later): the endpoint list, the
// policy-config class for the default output, one endpoint volume object per
// microphone, and endpoint notifications.
#pragma once

#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <memory>
#include <string>
#include <vector>

#include "base/callback.h"
#include "devices/sound_devices.h"
#include "win32/com_win32.h"
#include "win32/message_window_win32.h"

namespace quendrel {

// Makes a COM object of the system's: CoCreateInstance in-process, unless a
// test answers in its place.
using ComCreator = Callback<HRESULT(REFCLSID type, REFIID id, void** object)>;
ComCreator SystemComCreator();

class CoreAudioDevices : public SoundDevices {
public:
    // Messages the notification client posts to the devices' window.
    static constexpr UINT kOutputsChanged = WM_APP + 1;
    static constexpr UINT kDefaultOutputChanged = WM_APP + 2;

    explicit CoreAudioDevices(ComPtr<IMMDeviceEnumerator> enumerator, ComCreator create = SystemComCreator());
    CoreAudioDevices(const CoreAudioDevices&) = delete;
    CoreAudioDevices& operator=(const CoreAudioDevices&) = delete;
    ~CoreAudioDevices() override;

    std::vector<OutputDevice> Outputs() override;
    bool CanSwitch() override;
    SwitchResult MakeDefault(const std::wstring& id) override;
    bool SetOutputVolume(const std::wstring& id, std::optional<unsigned> percent, std::optional<bool> muted) override;

    bool HasMicrophoneMute() override;
    std::optional<bool> ToggleMicrophoneMute() override;
    std::optional<bool> SetMicrophoneMute(bool muted) override;

    // The notification client calls back on a thread of the system's; it
    // only notes the ids of devices that arrived or became active and posts
    // to a window of this thread, which then reads the list.
    void Watch(DeviceEvents events) override;
    void StopWatching() override;

private:
    class Client;

    void Unwatch();

    struct Microphone {
        std::wstring id;
        // Kept between calls: Wine keeps a mute per object, so a fresh object
        // always reads unmuted.
        ComPtr<IAudioEndpointVolume> volume;
    };

    bool IsActiveOutput(const std::wstring& id);
    // The active microphones now, their objects kept from the calls before.
    void RefreshMicrophones();
    std::optional<bool> SetMicrophones(bool muted);
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    ComPtr<IMMDeviceEnumerator> enumerator_;
    ComCreator create_;
    std::optional<bool> canSwitch_;
    std::vector<Microphone> microphones_;
    std::wstring defaultMicrophone_;
    bool microphoneMuted_ = false;  // what the last call set, when no device can be read

    DeviceEvents events_;
    std::unique_ptr<MessageWindow> window_;
    // Reference counted: the system may hold it a while after the watch ends.
    ComPtr<Client> client_;
};

}  // namespace quendrel
