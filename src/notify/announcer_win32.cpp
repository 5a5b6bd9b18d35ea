#include "notify/announcer_win32.h"

#include <oleauto.h>

#include <utility>

#include "win32/ui_win32.h"

namespace quendrel {
namespace {

// uiautomationcore.dll's own, looked up at run time: Windows XP has no such
// library and Windows before 10 1709 no such function.
using HostProviderFunction = HRESULT(WINAPI*)(HWND window, IUnknown** provider);
using RaiseNotificationFunction = HRESULT(WINAPI*)(IUnknown* provider, int kind, int processing, BSTR text,
                                                   BSTR activity);
using AllocateFunction = BSTR(WINAPI*)(const OLECHAR* text, UINT length);
using FreeFunction = void(WINAPI*)(BSTR text);
constexpr int kNotificationKindOther = 4;
constexpr int kImportantMostRecent = 1;  // a newer volume replaces the one not yet spoken

}  // namespace

void Announcer::Attach(HWND window, std::wstring caption) {
    window_ = window;
    name_.text = std::move(caption);
}

void Announcer::Announce(const std::wstring& text) {
    name_.text = text;
    if (RaiseAutomationNotification(text)) return;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_SYSTEM_ALERT, window_, OBJID_CLIENT, CHILDID_SELF);
}

bool Announcer::RaiseAutomationNotification(const std::wstring& text) const {
    // Nobody to hear it: the library is not even loaded.
    BOOL screenReader = FALSE;
    if (!SystemParametersInfoW(SPI_GETSCREENREADER, 0, &screenReader, 0) || !screenReader) return false;
    static const auto raise =
        LookupFunction<RaiseNotificationFunction>(L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
    static const auto host = LookupFunction<HostProviderFunction>(L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
    static const auto allocate = LookupFunction<AllocateFunction>(L"oleaut32.dll", "SysAllocStringLen");
    static const auto release = LookupFunction<FreeFunction>(L"oleaut32.dll", "SysFreeString");
    if (!raise || !host || !allocate || !release) return false;
    IUnknown* provider = nullptr;
    if (FAILED(host(window_, &provider)) || !provider) return false;
    const BSTR spoken = allocate(text.c_str(), static_cast<UINT>(text.size()));
    const BSTR activity = allocate(L"Quendrel.Volume", 15);
    const bool raised = spoken && activity &&
                        SUCCEEDED(raise(provider, kNotificationKindOther, kImportantMostRecent, spoken, activity));
    release(spoken);
    release(activity);
    provider->Release();
    return raised;
}

}  // namespace quendrel
