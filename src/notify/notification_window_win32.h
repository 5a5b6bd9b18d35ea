// The notification window (class "TForm3"): the text in large coloured
// letters at the bottom right of the work area, cut to the outline of its
// letters, hidden again by its own one-second timer.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "notify/announcer_win32.h"
#include "notify/notify_counter.h"
#include "profile/notify_profile_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_timer_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

// Where a notification goes: the monitor's work area and DPI. perMonitor:
// both are in the monitor's own pixels, to be used inside a
// PerMonitorDpiScope.
struct NotifyMonitor {
    RECT work{};
    int dpi = 96;
    bool perMonitor = false;
};
// Where the system says a choice's monitor is; tests stand in for it.
class MonitorFinder {
public:
    virtual ~MonitorFinder() = default;
    virtual NotifyMonitor Find(MonitorChoice choice) = 0;
};
NotifyMonitor SystemMonitor(MonitorChoice choice);

// The font as GDI takes it: points to pixels at the given DPI (the screen's
// unless the monitor's), plain, outline faces preferred (the window is shaped
// from the outline).
LOGFONTW NotifyLogFont(const NotifyFontSpec& spec, int dpi = 0);

class NotificationWindow : public Window {
public:
    // findMonitor: null for SystemMonitor.
    explicit NotificationWindow(const NotifyProfile& profile, MonitorFinder* findMonitor = nullptr)
        : profile_(profile), findMonitor_(findMonitor) {}
    bool Create(HWND applicationWindow);

    // The whole show: the stored font, colour and monitor, the text, on top
    // without activating, told to screen readers, hidden once the seconds
    // have passed. A running count starts again; a running timer keeps its
    // rhythm.
    void Show(const std::string& textCp932, std::int32_t seconds);

    // The stored font and colour become the window's.
    void LoadFont();
    // Shapes the window to the text (Shift-JIS bytes) in the current font at
    // the monitor's DPI, paints it in the font's colour and places the text
    // cell at the bottom right of the monitor's work area, on top of the
    // other topmost windows. Neither shows nor hides it.
    void ShapeTo(const std::string& textCp932, const NotifyMonitor& monitor);
    // Puts it on top without activating it.
    void ShowOnTop();

    const NotifyFontSpec& font() const { return spec_; }
    // The font the window holds; the dialogs start from it.
    void SetFont(const NotifyFontSpec& spec);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnHideTick();
    NotifyMonitor Find(MonitorChoice choice) const;

    const NotifyProfile& profile_;
    MonitorFinder* findMonitor_;
    NotifyFontSpec spec_;
    UniqueFont font_;
    int fontDpi_ = 0;
    UniqueBrush background_;
    COLORREF backgroundColor_ = 0;
    NotifyCounter counter_;
    Announcer announcer_;
    WindowTimer hideTimer_{1000};
    // What the window is shaped to; the same text in the same face on the
    // same work area at the same DPI needs no new outline.
    struct Shape {
        std::wstring text;
        NotifyFontSpec font;
        RECT work{};
        int dpi = 0;
    };
    std::optional<Shape> shape_;
};

}  // namespace quendrel
