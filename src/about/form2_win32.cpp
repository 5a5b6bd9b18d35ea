#include "about/form2_win32.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "about/about_texts.h"
#include "about/device_line.h"
#include "app/app_texts.h"
#include "mixer/core_audio_mixer_win32.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {

TForm2* Form2 = nullptr;

namespace {
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

constexpr COLORREF kPurple = RGB(128, 0, 128);
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kLinkHot = RGB(255, 0, 0);
constexpr int kClientWidth = 362, kClientHeight = 335;
// GroupBox1's place.
constexpr int kGroupX = 53, kGroupY = 170;

// A one-line label keeps its designed width, or its text's when a substituted
// face runs wider: an address must show whole.
constexpr DWORD kFixedLabel = SS_NOPREFIX | SS_LEFTNOWORDWRAP;

enum class FontKind { Window, Title, BoldItalic, Credit, Link };

struct ControlRow {
    TForm2::Control id;
    const wchar_t* className;
    int x, y, width, height;  // width 0: sized to the text
    bool inGroup;             // a child of GroupBox1, placed within it
    const char* text;
    DWORD style;
    FontKind font;
};

// In tab order: BitBtn1, then GroupBox1 with ListBox1.
const ControlRow kRows[] = {
    {TForm2::BitBtn1, L"BUTTON", 29, 288, 116, 33, false, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP,
     FontKind::Window},
    {TForm2::GroupBox1, L"BUTTON", kGroupX, kGroupY, 276, 111, false, texts::kAboutDevices,
     BS_GROUPBOX | WS_GROUP | WS_CLIPCHILDREN, FontKind::Window},
    {TForm2::ListBox1, L"LISTBOX", 24, 18, 223, 43, true, "",
     LBS_NOINTEGRALHEIGHT | LBS_NOSEL | WS_VSCROLL | WS_TABSTOP, FontKind::Window},
    {TForm2::Label4, L"STATIC", 12, 66, 0, 13, true, texts::kAboutPreferred1, SS_NOPREFIX, FontKind::Window},
    {TForm2::Label8, L"STATIC", 12, 78, 0, 13, true, texts::kAboutPreferred2, SS_NOPREFIX, FontKind::Window},
    {TForm2::Label9, L"STATIC", 12, 90, 0, 13, true, texts::kAboutPreferred3, SS_NOPREFIX, FontKind::Window},
    {TForm2::Label1, L"STATIC", 16, 14, 329, 24, false, texts::kAboutTitle, kFixedLabel, FontKind::Title},
    {TForm2::Label7, L"STATIC", 164, 50, 189, 13, false, texts::kAboutUpdated, kFixedLabel, FontKind::BoldItalic},
    {TForm2::Label5, L"STATIC", 123, 70, 262, 13, false, texts::kAboutCredit, SS_NOPREFIX | SS_LEFT, FontKind::Credit},
    {TForm2::Label2, L"STATIC", 60, 96, 0, 13, false, texts::kAboutWebLabel, SS_NOPREFIX, FontKind::Window},
    {TForm2::HP, L"STATIC", 172, 96, 169, 13, false, texts::kAboutWebPage, kFixedLabel | SS_NOTIFY, FontKind::Link},
    {TForm2::Label3, L"STATIC", 60, 120, 0, 13, false, texts::kAboutMailLabel, SS_NOPREFIX, FontKind::Window},
    {TForm2::Mail, L"STATIC", 172, 120, 122, 13, false, texts::kAboutMail, kFixedLabel | SS_NOTIFY, FontKind::Link},
    {TForm2::Label6, L"STATIC", 49, 147, 280, 13, false, texts::kAboutCopyright, kFixedLabel, FontKind::BoldItalic},
    {TForm2::Image1, L"STATIC", 155, 286, 200, 40, false, "", SS_BITMAP | SS_NOTIFY, FontKind::Window},
};

bool InsideGroup(int id) {
    return id == TForm2::GroupBox1 || id == TForm2::Label4 || id == TForm2::Label8 || id == TForm2::Label9;
}

// GroupBox1 holds its controls: it paints itself white and passes their
// notifications on to the window.
LRESULT CALLBACK GroupProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR /*self*/) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_COMMAND:
        return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &GroupProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void Open(HWND parent, const std::wstring& file) {
    // Nothing happens when no program takes the address.
    ShellExecuteW(parent, L"open", file.c_str(), L"", L"", SW_SHOW);
}

}  // namespace

std::vector<std::wstring> AboutDeviceLines() {
    std::vector<std::wstring> lines;
    const UINT count = mixerGetNumDevs();
    for (UINT id = 0; id < count; ++id) {
        MIXERCAPSA caps{};
        mixerGetDevCapsA(id, &caps, sizeof caps);  // a failure leaves it zero
        const std::string line = DeviceLine(caps.szPname, caps.vDriverVersion);
        // The A call answers in the system's code page.
        const int length = MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(length), L'\0');
        MultiByteToWideChar(CP_ACP, 0, line.data(), static_cast<int>(line.size()), wide.data(), length);
        lines.push_back(wide);
    }
    return lines;
}

TForm2::TForm2(Mixer& mixer) : mixer_(mixer), hpColor_(kLinkBlue), mailColor_(kLinkBlue) {}

bool TForm2::Create(HWND applicationWindow) {
    Form2 = this;
    const RECT rect = WindowRectForClient(525, 216, kClientWidth, kClientHeight, kStyle, kExStyle);
    if (!CreateNative(L"TForm2", kExStyle, kStyle, Widen(texts::kAboutCaption).c_str(), rect.left, rect.top,
                      rect.right - rect.left, rect.bottom - rect.top, applicationWindow, nullptr,
                      reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)))
        return false;
    font_ = MakeFont(texts::kAboutFont, 13);
    titleFont_ = MakeFont(texts::kAboutFont, 24, FW_BOLD, true);
    boldItalicFont_ = MakeFont(texts::kAboutFont, 13, FW_BOLD, true);
    creditFont_ = MakeFont(texts::kAboutFont, 12, FW_BOLD, true);
    linkFont_ = MakeFont(texts::kAboutFont, 13, FW_NORMAL, false, true);
    listBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    CreateControls();
    FormCreate();
    return true;
}

void TForm2::CreateControls() {
    for (const ControlRow& row : kRows) {
        HFONT font = font_.get();
        switch (row.font) {
        case FontKind::Title:
            font = titleFont_.get();
            break;
        case FontKind::BoldItalic:
            font = boldItalicFont_.get();
            break;
        case FontKind::Credit:
            font = creditFont_.get();
            break;
        case FontKind::Link:
            font = linkFont_.get();
            break;
        case FontKind::Window:
            break;
        }
        const std::wstring text = Widen(row.text);
        int width = Scale(row.width);
        if (row.width == 0 || (row.style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP) {
            WindowDC screen(nullptr);
            SelectedObject selected(screen.get(), font);
            SIZE extent{};
            GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
            if (extent.cx > width) width = extent.cx;
        }
        int x = Scale(row.x);
        // A label widened past the client's right edge moves left to stay whole.
        if ((row.style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP && x + width > Scale(kClientWidth - 2))
            x = Scale(kClientWidth - 2) - width;
        HWND parent = row.inGroup ? Item(GroupBox1) : hwnd();
        const DWORD exStyle = row.id == GroupBox1 ? WS_EX_CONTROLPARENT : 0;
        HWND control =
            CreateWindowExW(exStyle, row.className, text.c_str(), WS_CHILD | WS_VISIBLE | row.style, x, Scale(row.y),
                            width, Scale(row.height), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                            ModuleInstance(), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (row.id == HP || row.id == Mail || row.id == Image1)
            SetWindowSubclass(control, &TForm2::LinkProc, 0, reinterpret_cast<DWORD_PTR>(this));
        if (row.id == GroupBox1) SetWindowSubclass(control, &GroupProc, 0, 0);
    }
    SendMessageW(Item(ListBox1), LB_SETITEMHEIGHT, 0, Scale(13));

    // Button-face pixels of the glyph take the button's own face colour.
    okGlyph_.reset(static_cast<HBITMAP>(
        LoadImageW(ModuleInstance(), L"GLYPH_OK", IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT)));
    SendMessageW(Item(BitBtn1), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(okGlyph_.get()));
    banner_.reset(static_cast<HBITMAP>(LoadImageW(ModuleInstance(), L"BANNER", IMAGE_BITMAP, 0, 0, 0)));
    SendMessageW(Item(Image1), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(banner_.get()));
}

HWND TForm2::Item(int id) const {
    if (HWND control = GetDlgItem(hwnd(), id)) return control;
    return GetDlgItem(GetDlgItem(hwnd(), GroupBox1), id);
}

// The endpoints that Core Audio's volume functions act on, device 0 first.
// An endpoint has no mixer driver version: it reads 0.0, as unreadable
// capabilities do.
static std::vector<std::wstring> EndpointDeviceLines(CoreAudioMixer& endpoints) {
    std::vector<std::wstring> lines;
    for (const std::wstring& name : endpoints.DeviceNames()) lines.push_back(name + Widen(DeviceLine("", 0)));
    return lines;
}

void TForm2::FormCreate() {
    HWND list = Item(ListBox1);
    auto* endpoints = dynamic_cast<CoreAudioMixer*>(&mixer_);
    for (const std::wstring& line : endpoints ? EndpointDeviceLines(*endpoints) : AboutDeviceLines())
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void TForm2::HPClick() { Open(hwnd(), Widen(texts::kAboutWebPage)); }

void TForm2::MailClick() { Open(hwnd(), L"mailto:" + Widen(texts::kAboutMail)); }

void TForm2::SetLinkColor(HWND link, COLORREF color) {
    COLORREF& current = link == Item(HP) ? hpColor_ : mailColor_;
    if (current == color) return;
    current = color;
    InvalidateRect(link, nullptr, TRUE);
}

LRESULT CALLBACK TForm2::LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                  DWORD_PTR self) {
    auto* form = reinterpret_cast<TForm2*>(self);
    const bool isLink = GetDlgCtrlID(hwnd) != Image1;
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_MOUSEMOVE:
        if (isLink) {
            // The leave notice comes once per tracking request.
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&track);
            form->SetLinkColor(hwnd, kLinkHot);  // HPMouseEnter / MailMouseEnter
        }
        break;
    case WM_MOUSELEAVE:
        if (isLink) form->SetLinkColor(hwnd, kLinkBlue);  // HPMouseLeave / MailMouseLeave
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, &TForm2::LinkProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

bool TForm2::OnColor(HDC dc, HWND control, LRESULT& brush) {
    const int id = GetDlgCtrlID(control);
    COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    switch (id) {
    case Label1:
    case Label5:
    case Label7:
        text = kPurple;
        break;
    case HP:
        text = hpColor_;
        break;
    case Mail:
        text = mailColor_;
        break;
    case ListBox1:
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        brush = reinterpret_cast<LRESULT>(listBrush_.get());
        return true;
    default:
        break;
    }
    SetTextColor(dc, text);
    SetBkMode(dc, TRANSPARENT);
    brush = reinterpret_cast<LRESULT>(InsideGroup(id) ? GetStockObject(WHITE_BRUSH) : GetSysColorBrush(COLOR_WINDOW));
    return true;
}

void TForm2::ShowModal(HWND configWindow) {
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
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd());
    SetFocus(Item(BitBtn1));
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

LRESULT TForm2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // Closing hides the window and ends the modal show.
        modal_ = false;
        ShowWindow(hwnd(), SW_HIDE);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        LRESULT brush = 0;
        if (OnColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), brush)) return brush;
        break;
    }
    case WM_ERASEBKGND: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:  // BitBtn1Click; Enter presses it, Escape does not
            PostMessageW(hwnd(), WM_CLOSE, 0, 0);
            return 0;
        case HP:
            if (HIWORD(wParam) == STN_CLICKED) HPClick();
            return 0;
        case Mail:
            if (HIWORD(wParam) == STN_CLICKED) MailClick();
            return 0;
        case Image1:
            if (HIWORD(wParam) == STN_CLICKED) Image1Click();
            return 0;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace quendrel
