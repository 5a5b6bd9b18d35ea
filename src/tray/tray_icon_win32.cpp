#include "tray/tray_icon_win32.h"

#include "win32/text_win32.h"
#include "win32/trace_win32.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

#if !defined(_WIN64)
// The first version of the tray record, as the 32-bit build hands it over.
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "NOTIFYICONDATAA first version");
#endif

void TrayIcon::Add(HWND window, UINT id, UINT callbackMessage, const wchar_t* iconResource, std::string_view tipUtf8) {
    if (data_.cbSize == 0) {
        icon_.reset(
            static_cast<HICON>(LoadImageW(ModuleInstance(), iconResource, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
        data_.cbSize = NOTIFYICONDATAW_V1_SIZE;
        data_.hWnd = window;
        data_.uID = id;
        data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data_.uCallbackMessage = callbackMessage;
        data_.hIcon = icon_.get();
        lstrcpynW(data_.szTip, Widen(tipUtf8).c_str(), 64);  // the first version's field
        taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    }
    if (!Notify(NIM_ADD, data_)) TraceLastError(L"Shell_NotifyIconW(NIM_ADD)");
    shown_ = true;
}

void TrayIcon::Delete() {
    if (shown_) Notify(NIM_DELETE, data_);
    shown_ = false;
}

BOOL TrayIcon::Notify(DWORD message, NOTIFYICONDATAW& data) const {
    return shell_ ? shell_->NotifyIcon(message, data) : Shell_NotifyIconW(message, &data);
}

void TrayIcon::ShowBalloon(std::string_view titleUtf8, const std::wstring& text) {
    if (!shown_) return;
    NOTIFYICONDATAW balloon = data_;
    balloon.cbSize = NOTIFYICONDATAW_V2_SIZE;
    balloon.uFlags = NIF_INFO;
    balloon.dwInfoFlags = NIIF_WARNING;
    lstrcpynW(balloon.szInfoTitle, Widen(titleUtf8).c_str(), ARRAYSIZE(balloon.szInfoTitle));
    lstrcpynW(balloon.szInfo, text.c_str(), ARRAYSIZE(balloon.szInfo));
    Notify(NIM_MODIFY, balloon);
}

bool TrayIcon::ScreenRect(RECT& rect) const {
    using GetRect = HRESULT(WINAPI*)(const NOTIFYICONIDENTIFIER*, RECT*);
    static const auto getRect = LookupFunction<GetRect>(L"shell32.dll", "Shell_NotifyIconGetRect");
    if (!shown_ || !getRect) return false;
    NOTIFYICONIDENTIFIER icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = data_.hWnd;
    icon.uID = data_.uID;
    return SUCCEEDED(getRect(&icon, &rect));
}

bool TrayIcon::OnShellMessage(UINT message) {
    if (taskbarCreated_ == 0 || message != taskbarCreated_) return false;
    if (shown_) Add(data_.hWnd, data_.uID, data_.uCallbackMessage, nullptr, {});
    return true;
}

}  // namespace quendrel
