#include "notify/notification_window_win32.h"

#include "base/identity.h"
#include "notify/monitor_dpi_win32.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {

NotifyMonitor SystemMonitor(MonitorChoice choice) {
    // Every choice the same way, so that on one monitor all of them put the
    // letters in one place: the monitor's work area, in its own pixels where
    // the system has them.
    PerMonitorDpiScope perMonitor;
    POINT at{};
    HMONITOR monitor = nullptr;
    if (choice == MonitorChoice::kPointer && GetCursorPos(&at))
        monitor = MonitorFromPoint(at, MONITOR_DEFAULTTOPRIMARY);
    else if (choice == MonitorChoice::kForeground)
        monitor = MonitorFromWindow(GetForegroundWindow(), MONITOR_DEFAULTTOPRIMARY);
    else
        monitor = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    NotifyMonitor found;
    found.perMonitor = perMonitor.active();
    found.dpi = found.perMonitor ? MonitorDpi(monitor) : ScreenDpi();
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info) && !IsRectEmpty(&info.rcWork)) {
        found.work = info.rcWork;
        return found;
    }
    // A monitor the system cannot tell of, or tells as empty (Wine while its
    // display devices are rewritten): the primary's work area as the system
    // keeps it; a system that can tell neither still has a screen.
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &found.work, 0) || IsRectEmpty(&found.work))
        found.work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return found;
}

LOGFONTW NotifyLogFont(const NotifyFontSpec& spec, int dpi) {
    LOGFONTW lf{};
    // Points to pixels, rounded.
    lf.lfHeight = -MulDiv(spec.size, dpi > 0 ? dpi : ScreenDpi(), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = spec.charset;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    lstrcpynW(lf.lfFaceName, spec.name.c_str(), LF_FACESIZE);
    return lf;
}

bool NotificationWindow::Create(HWND applicationWindow) {
    // Per-monitor aware alone of the program's windows, so that it can be
    // placed and sized in any monitor's own pixels.
    PerMonitorDpiScope perMonitor;
    constexpr DWORD style = WS_POPUP;
    constexpr DWORD exStyle = WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    const std::wstring caption = Widen(identity::kNotificationCaption);
    if (!CreateNative({identity::kNotificationClass,
                       caption.c_str(),
                       style,
                       exStyle,
                       {0, 0, Scale(110), Scale(38)},
                       applicationWindow}))
        return false;
    // Exactly black is transparent: only the coloured letters show.
    SetLayeredWindowAttributes(hwnd(), RGB(0, 0, 0), 0, LWA_COLORKEY);
    fontDpi_ = ScreenDpi();
    SetFont(NotifyFontSpec{});
    backgroundColor_ = GetSysColor(COLOR_BTNFACE);
    background_.reset(CreateSolidBrush(backgroundColor_));
    announcer_.Attach(hwnd(), caption);
    hideTimer_.Attach(*this);
    hideTimer_.onTick = Bind<&NotificationWindow::OnHideTick>(this);
    return true;
}

void NotificationWindow::Show(const std::string& textCp932, std::int32_t seconds) {
    if (!hwnd()) return;
    // One reading of the file gives the font and the monitor.
    const NotifyProfileValues stored = profile_.Read();
    SetFont(stored.Font(spec_));
    ShapeTo(textCp932, Find(stored.Monitor()));
    ShowOnTop();
    announcer_.Announce(FromCp932(textCp932));
    counter_.Start(seconds);
    if (!hideTimer_.Running()) hideTimer_.Start();
}

void NotificationWindow::OnHideTick() {
    if (!counter_.Tick()) return;
    ShowWindow(hwnd(), SW_HIDE);
    // Nothing to count until the next show: an idle program wakes for nothing.
    hideTimer_.Stop();
}

NotifyMonitor NotificationWindow::Find(MonitorChoice choice) const {
    return findMonitor_ ? findMonitor_->Find(choice) : SystemMonitor(choice);
}

void NotificationWindow::SetFont(const NotifyFontSpec& spec) {
    const bool sameFace = font_ && spec_.SameFace(spec);
    spec_ = spec;
    if (sameFace) return;
    const LOGFONTW lf = NotifyLogFont(spec, fontDpi_);
    font_.reset(CreateFontIndirectW(&lf));
}

void NotificationWindow::LoadFont() { SetFont(profile_.ReadFont(spec_)); }

void NotificationWindow::ShapeTo(const std::string& textCp932, const NotifyMonitor& monitor) {
    const RECT& work = monitor.work;
    if (monitor.dpi != fontDpi_) {
        fontDpi_ = monitor.dpi;
        const LOGFONTW lf = NotifyLogFont(spec_, fontDpi_);
        font_.reset(CreateFontIndirectW(&lf));
    }
    if (!background_ || backgroundColor_ != spec_.color) {
        background_.reset(CreateSolidBrush(spec_.color));
        backgroundColor_ = spec_.color;
        InvalidateRect(hwnd(), nullptr, TRUE);
    }

    const std::wstring text = FromCp932(textCp932);
    if (shape_ && shape_->text == text && shape_->font.SameFace(spec_) && EqualRect(&shape_->work, &work) &&
        shape_->dpi == monitor.dpi)
        return;
    shape_ = Shape{text, spec_, work, monitor.dpi};
    WindowDC dc(hwnd());
    SelectedObject selected(dc.get(), font_.get());
    BeginPath(dc.get());
    SIZE extent{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    SetBkMode(dc.get(), TRANSPARENT);
    ExtTextOutW(dc.get(), 0, 0, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    EndPath(dc.get());
    UniqueRegion region(PathToRegion(dc.get()));
    RECT box{};
    const bool hasOutline = region && GetRgnBox(region.get(), &box) != NULLREGION;
    // No outline (empty text, a raster font): show nothing rather than a
    // rectangle over the screen.
    if (!hasOutline) region.reset(CreateRectRgn(0, 0, 0, 0));
    constexpr UINT kHide = SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    // Wine keeps the old outline of a shown layered window when its region
    // changes, and the old letters stay on the screen beside the new ones:
    // there it is hidden while it changes. Windows never needs it.
    const bool reshow = IsWindowVisible(hwnd()) && RunningUnderWine();
    if (reshow) SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, kHide);
    // The system owns the region once it is the window's; a hidden window
    // needs no redrawing for it.
    if (SetWindowRgn(hwnd(), region.get(), !reshow)) region.release();
    {
        // The letters' cell ends at the work area's corner; the window runs on
        // as far as the work area is wide and high, the region showing only
        // the letters.
        // Placed on top (and shown again) in the same call: a window already
        // shown then needs nothing more from ShowOnTop.
        std::optional<PerMonitorDpiScope> perMonitor;
        if (monitor.perMonitor) perMonitor.emplace();
        SetWindowPos(hwnd(), HWND_TOPMOST, work.right - extent.cx, work.bottom - extent.cy, work.right - work.left,
                     work.bottom - work.top, SWP_NOACTIVATE | (reshow ? SWP_SHOWWINDOW : 0));
    }
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void NotificationWindow::ShowOnTop() {
    // Shown and ahead of every other window is where this call would put it.
    if (IsWindowVisible(hwnd()) && !GetWindow(hwnd(), GW_HWNDPREV)) return;
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

LRESULT NotificationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_GETOBJECT:
        if (const LRESULT answer = announcer_.OnGetObject(wParam, lParam)) return answer;
        break;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
        return 1;
    }
    case WM_SETCURSOR: {
        // The drag pointer over the letters.
        static const HCURSOR drag = LoadCursorW(ModuleInstance(), L"DRAGCURSOR");
        SetCursor(drag ? drag : LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    }
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quendrel
