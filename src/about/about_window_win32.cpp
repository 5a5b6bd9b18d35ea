#include "about/about_window_win32.h"

#include <commctrl.h>
#include <shellapi.h>

#include "about/about_texts.h"
#include "about/device_line.h"
#include "base/identity.h"
#include "controls/buttons_win32.h"
#include "mixer/mixer.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kLinkHot = RGB(255, 0, 0);
constexpr int kClientWidth = 362, kClientHeight = 335;
// deviceGroup's place.
constexpr int kGroupX = 53, kGroupY = 170;

// A one-line label keeps its designed width, or its text's when a substituted
// face runs wider: an address must show whole.
constexpr DWORD kFixedLabel = SS_NOPREFIX | SS_LEFTNOWORDWRAP;
// An address the keyboard reaches (after the OK button and the devices).
constexpr DWORD kLink = SS_NOTIFY | WS_TABSTOP;

void Open(HWND parent, const std::wstring& file) {
    // Nothing happens when no program takes the address.
    ShellExecuteW(parent, L"open", file.c_str(), L"", L"", SW_SHOW);
}

}  // namespace

bool AboutWindow::Create(HWND applicationWindow) {
    const std::wstring caption = Widen(identity::kAboutCaption);
    if (!CreateNative({identity::kAboutClass, caption.c_str(), kStyle, kExStyle,
                       WindowRectForClient(525, 216, kClientWidth, kClientHeight, kStyle, kExStyle), applicationWindow,
                       nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)}))
        return false;
    font_ = MakeFont(texts::kAboutFont, 13);
    titleFont_ = MakeFont(texts::kAboutFont, 24, FW_BOLD, true);
    boldItalicFont_ = MakeFont(texts::kAboutFont, 13, FW_BOLD, true);
    creditFont_ = MakeFont(texts::kAboutFont, 12, FW_BOLD, true);
    linkFont_ = MakeFont(texts::kAboutFont, 13, FW_NORMAL, false, true);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    CreateControls();
    FillDeviceList();
    return true;
}

void AboutWindow::CreateControls() {
    HFONT title = titleFont_.get(), boldItalic = boldItalicFont_.get(), credit = creditFont_.get(),
          link = linkFont_.get();
    // In tab order: the OK button, then the device group with its list. Overlapping labels
    // paint in creation order: the later one, an address, shows whole.
    quendrel::CreateControls(
        *this, font_.get(), 0,
        {
            {&okButton, kOkButton, L"BUTTON", 29, 288, 116, 33, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP},
            {&deviceGroup, kDeviceGroup, L"BUTTON", kGroupX, kGroupY, 276, 111, texts::kAboutDevices,
             BS_GROUPBOX | WS_GROUP | WS_CLIPCHILDREN},
            {&deviceList, kDeviceList, L"LISTBOX", 24, 18, 223, 43, "",
             LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_VSCROLL | WS_TABSTOP, 0, nullptr, &deviceGroup},
            {&preferredLine1, kPreferredLine1, L"STATIC", 12, 66, 0, 13, texts::kAboutPreferred1, SS_NOPREFIX, 0,
             nullptr, &deviceGroup},
            {&preferredLine2, kPreferredLine2, L"STATIC", 12, 78, 0, 13, texts::kAboutPreferred2, SS_NOPREFIX, 0,
             nullptr, &deviceGroup},
            {&preferredLine3, kPreferredLine3, L"STATIC", 12, 90, 0, 13, texts::kAboutPreferred3, SS_NOPREFIX, 0,
             nullptr, &deviceGroup},
            {&titleLabel, kTitleLabel, L"STATIC", 16, 14, 329, 24, texts::kAboutTitle, kFixedLabel, 0, title},
            {&updatedLabel, kUpdatedLabel, L"STATIC", 164, 50, 189, 13, texts::kAboutUpdated, kFixedLabel, 0,
             boldItalic},
            {&creditLabel, kCreditLabel, L"STATIC", 123, 70, 262, 13, texts::kAboutCredit, SS_NOPREFIX | SS_LEFT, 0,
             credit},
            {&webLabel, kWebLabel, L"STATIC", 60, 96, 0, 13, texts::kAboutWebLabel, SS_NOPREFIX},
            {&webLink, kWebLink, L"STATIC", 172, 96, 169, 13, texts::kAboutWebPage, kFixedLabel | kLink, 0, link},
            {&mailLabel, kMailLabel, L"STATIC", 60, 120, 0, 13, texts::kAboutMailLabel, SS_NOPREFIX},
            {&mailLink, kMailLink, L"STATIC", 172, 120, 122, 13, texts::kAboutMail, kFixedLabel | kLink, 0, link},
            {&copyrightLabel, kCopyrightLabel, L"STATIC", 49, 147, 280, 13, texts::kAboutCopyright, kFixedLabel, 0,
             boldItalic},
            {&banner, kBanner, L"STATIC", 155, 286, 200, 40, "", SS_BITMAP | SS_NOTIFY},
        });
    SendMessageW(deviceList.hwnd(), LB_SETITEMHEIGHT, 0, Scale(13));
    // What screen readers read: the list by its group's heading; the banner,
    // a picture that opens the web page, as that page.
    deviceList.SetAccessibleLabel(deviceGroup);
    banner.SetAccessibleName(texts::kAboutWebLabel);

    // Text over the window's background, the group's inside white.
    HBRUSH window = GetSysColorBrush(COLOR_WINDOW);
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    deviceGroup.HoldChildren(white);
    deviceGroup.SetColors(text, white);
    for (Control* control : {&preferredLine1, &preferredLine2, &preferredLine3}) control->SetColors(text, white);
    for (Control* control : {&webLabel, &mailLabel, &copyrightLabel}) control->SetColors(text, window);
    okButton.SetColors(text, window);
    banner.SetColors(text, window);
    for (Control* control : {&titleLabel, &creditLabel, &updatedLabel}) control->SetColors(kPurple, window);
    deviceList.SetColors(text, GetSysColorBrush(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
    for (Link* address : {&webLink, &mailLink}) {
        address->SetColors(kLinkBlue, window);
        address->SetHoverColors(kLinkBlue, kLinkHot);  // HPMouseEnter/Leave, MailMouseEnter/Leave
    }
    webLink.onClick = Bind<&AboutWindow::OnWebClick>(this);
    mailLink.onClick = Bind<&AboutWindow::OnMailClick>(this);
    banner.onClick = Bind<&AboutWindow::OnWebClick>(this);
    okButton.onClick = Bind<&AboutWindow::OnOkClick>(this);

    // Button-face pixels of the glyph take the button's own face colour.
    okGlyph_.reset(static_cast<HBITMAP>(
        LoadImageW(ModuleInstance(), L"GLYPH_OK", IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT)));
    SendMessageW(okButton.hwnd(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(okGlyph_.get()));
    banner_.reset(static_cast<HBITMAP>(LoadImageW(ModuleInstance(), L"BANNER", IMAGE_BITMAP, 0, 0, 0)));
    SendMessageW(banner.hwnd(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner_.get()));
}

HWND AboutWindow::Item(int id) const {
    if (HWND control = GetDlgItem(hwnd(), id)) return control;
    return GetDlgItem(deviceGroup.hwnd(), id);
}

void AboutWindow::FillDeviceList() {
    for (const DeviceDescription& device : mixer_.DescribeDevices()) {
        const std::wstring line = DeviceLine(device.name, device.driverVersion);
        SendMessageW(deviceList.hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
}

void AboutWindow::OnWebClick() { Open(hwnd(), Widen(texts::kAboutWebPage)); }

void AboutWindow::OnMailClick() { Open(hwnd(), L"mailto:" + Widen(texts::kAboutMail)); }

// Enter presses it, Escape closes the window as well.
void AboutWindow::OnOkClick() { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

void AboutWindow::ShowModal(HWND configWindow) {
    // Chosen again from the tray menu while it is open: no second loop.
    if (modal_) {
        SetForegroundWindow(hwnd());
        return;
    }
    // Modal over everything on screen, the open configuration window
    // included: that one is topmost, and it waits until this one closes.
    HWND owner = GetWindow(hwnd(), GW_OWNER);
    HWND config = configWindow && IsWindowEnabled(configWindow) ? configWindow : nullptr;
    EnableWindow(owner, FALSE);
    if (config) EnableWindow(config, FALSE);
    KeepOnWorkArea(hwnd());
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd());
    SetFocus(okButton.hwnd());
    modal_ = true;
    MSG message;
    while (modal_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (modal_ && message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));
    modal_ = false;
    EnableWindow(owner, TRUE);
    if (config) EnableWindow(config, TRUE);
    SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    if (config && IsWindowVisible(config)) SetForegroundWindow(config);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Escape, as the dialog keys give it.
        if (LOWORD(wParam) == IDCANCEL) {
            OnOkClick();
            return 0;
        }
        break;
    case WM_CLOSE:
        // Closing hides the window and ends the modal show.
        modal_ = false;
        ShowWindow(hwnd(), SW_HIDE);
        return 0;
    case WM_ERASEBKGND: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quendrel
