#include "win32/controls_win32.h"

#include <windowsx.h>

#include <algorithm>

#include "base/decimal.h"
#include "base/hotkey_value.h"
#include "win32/text_win32.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {
namespace {

// The one subclass every control that needs one carries.
constexpr UINT_PTR kControlSubclass = 1;

constexpr COLORREF kGlyphTransparent = RGB(192, 192, 192);

HFONT ControlFont(HWND control) { return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)); }

int TextWidth(HFONT font, const std::wstring& text) {
    WindowDC screen(nullptr);
    SelectedObject selected(screen.get(), font);
    SIZE extent{};
    GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}

// Silver pixels become transparent; the glyph is scaled to the screen.
HIMAGELIST LoadGlyph(const wchar_t* resource) {
    UniqueBitmap source(static_cast<HBITMAP>(LoadImageW(ModuleInstance(), resource, IMAGE_BITMAP, 0, 0, 0)));
    if (!source) return nullptr;
    BITMAP info{};
    GetObjectW(source.get(), sizeof info, &info);
    const int size = Scale(16);
    WindowDC screen(nullptr);
    UniqueBitmap scaled(CreateCompatibleBitmap(screen.get(), size, size));
    {
        UniqueMemoryDC from(CreateCompatibleDC(screen.get()));
        UniqueMemoryDC to(CreateCompatibleDC(screen.get()));
        SelectedObject a(from.get(), source.get());
        SelectedObject b(to.get(), scaled.get());
        SetStretchBltMode(to.get(), COLORONCOLOR);  // keeps the transparent colour exact
        StretchBlt(to.get(), 0, 0, size, size, from.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    }
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 1, 0);
    ImageList_AddMasked(list, scaled.get(), kGlyphTransparent);
    return list;
}

void DrawEmbossedText(HDC dc, const std::wstring& text, RECT rect, bool enabled) {
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
    if (enabled) {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, text.c_str(), -1, &rect, kFormat);
        return;
    }
    OffsetRect(&rect, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(dc, text.c_str(), -1, &rect, kFormat);
    OffsetRect(&rect, -1, -1);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), -1, &rect, kFormat);
}

}  // namespace

// Control ---------------------------------------------------------------------

Control::~Control() {
    if (subclassed_ && hwnd_ && IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, SubclassProc, kControlSubclass);
    if (window_) window_->Unregister(*this);
}

void Control::Subclass() {
    if (subclassed_ || !hwnd_) return;
    subclassed_ = SetWindowSubclass(hwnd_, SubclassProc, kControlSubclass, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void Control::SetPointer(const wchar_t* cursorId) {
    pointer_ = cursorId;
    Subclass();
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self) {
    auto* control = reinterpret_cast<Control*>(self);
    if (message == WM_SETCURSOR && control->pointer_ && LOWORD(lParam) == HTCLIENT && IsWindowEnabled(window)) {
        ::SetCursor(LoadCursorW(nullptr, control->pointer_));
        return TRUE;
    }
    LRESULT result = 0;
    if (control->OnOwnMessage(message, wParam, lParam, result)) return result;
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, id);
        control->subclassed_ = false;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT Control::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

void Control::Attach(Window& window, HWND control) {
    if (window_) window_->Unregister(*this);
    window_ = &window;
    hwnd_ = control;
    window.Register(*this);
    OnAttached();
}

void Control::Enable(bool enabled) const { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

void Control::SetColors(COLORREF text, HBRUSH brush, std::optional<COLORREF> opaqueBackground) {
    colors_ = Colors{text, brush, opaqueBackground};
}

void Control::SetTextColor(COLORREF text) {
    if (colors_ && colors_->text == text) return;
    if (colors_)
        colors_->text = text;
    else
        colors_ = Colors{text, GetSysColorBrush(COLOR_BTNFACE), std::nullopt};
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH Control::OnColor(HDC dc) {
    if (!colors_) return nullptr;
    ::SetTextColor(dc, colors_->text);
    if (colors_->background)
        SetBkColor(dc, *colors_->background);
    else
        SetBkMode(dc, TRANSPARENT);
    return colors_->brush;
}

void CreateControls(Window& window, HFONT windowFont, DWORD commonStyle, std::initializer_list<ControlRow> rows) {
    for (const ControlRow& row : rows) {
        HWND parent = row.parent ? row.parent->hwnd() : window.hwnd();
        HFONT font = row.font ? row.font : windowFont;
        const std::wstring text = row.text ? Widen(row.text) : std::wstring();
        int x = Scale(row.x);
        const int y = Scale(row.y);
        // Scaled edges rather than scaled sizes, so neighbours still meet.
        int width = Scale(row.x + row.width) - x;
        const int height = Scale(row.y + row.height) - y;
        const bool oneLine = (row.style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP && lstrcmpiW(row.className, L"Static") == 0;
        if (row.width == 0 || oneLine) width = std::max(width, TextWidth(font, text));
        if (oneLine) {
            RECT inside{};
            GetClientRect(parent, &inside);
            const int right = inside.right - Scale(2);
            if (x + width > right) x = std::max(0, right - width);
        }
        HWND control = CreateWindowExW(
            row.exStyle, row.className, text.c_str(), WS_CHILD | WS_VISIBLE | commonStyle | row.style, x, y, width,
            height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), ModuleInstance(), nullptr);
        if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (row.control) row.control->Attach(window, control);
    }
}

bool IsListCaptionEditor(HWND window) {
    if (!window) return false;
    HWND parent = GetParent(window);
    if (!parent) return false;
    wchar_t name[32] = {};
    GetClassNameW(parent, name, 32);
    if (lstrcmpiW(name, WC_LISTVIEWW) != 0) return false;
    return reinterpret_cast<HWND>(SendMessageW(parent, LVM_GETEDITCONTROL, 0, 0)) == window;
}

// Tooltips ------------------------------------------------------------------

Tooltips::~Tooltips() {
    if (tips_ && IsWindow(tips_)) DestroyWindow(tips_);
}

void Tooltips::Create(HWND owner) {
    owner_ = owner;
    tips_ =
        CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, ModuleInstance(), nullptr);
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, Scale(480));
}

void Tooltips::Add(std::initializer_list<const Control*> controls, std::string_view hintUtf8) {
    std::wstring text = Widen(hintUtf8);
    for (const Control* control : controls) {
        if (!tips_ || !control->hwnd()) continue;
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;  // accepted by every comctl32
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = owner_;
        tool.uId = reinterpret_cast<UINT_PTR>(control->hwnd());
        tool.lpszText = text.data();
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// Button, CheckBox ----------------------------------------------------------

bool Button::OnCommand(WORD code) {
    if (code == BN_CLICKED && onClick) onClick();
    return true;
}

bool CheckBox::Checked() const { return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    if (Checked() == checked) return;
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (onClick) onClick();
}

bool CheckBox::OnCommand(WORD code) {
    if (code == BN_CLICKED && onClick) onClick();
    return true;
}

// TrackBar ------------------------------------------------------------------

void TrackBar::Setup(int minimum, int maximum, int page, int position) {
    minimum_ = minimum;
    maximum_ = maximum;
    SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, minimum);
    SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, maximum);
    SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, page);
    SendMessageW(hwnd_, TBM_SETLINESIZE, 0, 1);
    SendMessageW(hwnd_, TBM_SETTICFREQ, 1, 0);
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, position);
    last_ = Position();
}

int TrackBar::Position() const { return static_cast<int>(SendMessageW(hwnd_, TBM_GETPOS, 0, 0)); }

void TrackBar::SetPosition(int position) {
    const int clamped = std::clamp(position, minimum_, maximum_);
    if (clamped == Position()) return;
    SendMessageW(hwnd_, TBM_SETPOS, TRUE, clamped);
    last_ = clamped;
    if (onChange) onChange();
}

bool TrackBar::OnScroll() {
    // The bar reports every drag step and the end of the drag; only moves count.
    const int position = Position();
    if (position == last_) return true;
    last_ = position;
    if (onChange) onChange();
    return true;
}

// HotkeyControl -------------------------------------------------------------

void HotkeyControl::Setup(WPARAM invalidCombinations) {
    SendMessageW(hwnd_, HKM_SETRULES, invalidCombinations, MAKELPARAM(HOTKEYF_SHIFT | HOTKEYF_CONTROL, 0));
}

std::uint16_t HotkeyControl::Value() const {
    return HotkeyFromControl(static_cast<std::uint16_t>(SendMessageW(hwnd_, HKM_GETHOTKEY, 0, 0) & 0xFFFF));
}

void HotkeyControl::Set(std::uint16_t value) {
    setting_ = true;
    SendMessageW(hwnd_, HKM_SETHOTKEY, HotkeyToControl(value), 0);
    setting_ = false;
}

bool HotkeyControl::OnCommand(WORD code) {
    if (code == EN_CHANGE && !setting_ && onChange) onChange();
    return true;
}

// SpinEdit ------------------------------------------------------------------

void SpinEdit::Setup(HWND upDown, int minimum, int maximum, int value) {
    upDown_ = upDown;
    minimum_ = minimum;
    maximum_ = maximum;
    SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(hwnd_), 0);
    SendMessageW(upDown_, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    SetValue(value);
}

int SpinEdit::Value() const {
    int value = minimum_;
    return ParseDecimal(GetText(hwnd_), value) ? value : minimum_;
}

void SpinEdit::SetValue(int value) {
    const int clamped = std::clamp(value, minimum_, maximum_);
    const std::wstring text = FormatDecimalW(clamped);
    if (GetText(hwnd_) != text) SetWindowTextW(hwnd_, text.c_str());
    SendMessageW(upDown_, UDM_SETPOS32, 0, clamped);
}

void SpinEdit::Enable(bool enabled) const {
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    EnableWindow(upDown_, enabled ? TRUE : FALSE);
}

bool SpinEdit::OnCommand(WORD code) {
    if (code == EN_CHANGE) {
        if (onChange) onChange();
    } else if (code == EN_KILLFOCUS) {
        const int value = Value();
        if (std::clamp(value, minimum_, maximum_) != value) SetValue(value);
    }
    return true;
}

// FlatButton ----------------------------------------------------------------

FlatButton::~FlatButton() {
    if (glyph_) ImageList_Destroy(glyph_);
}

void FlatButton::Setup(const wchar_t* glyphResource) {
    if (glyphResource) glyph_ = LoadGlyph(glyphResource);
    Subclass();
}

bool FlatButton::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND window = hwnd_;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        Paint(dc);
        EndPaint(window, &paint);
        return true;
    }
    case WM_ERASEBKGND:
        result = TRUE;
        return true;
    // A speed button never takes the focus: the press is tracked here rather
    // than by the button, which would focus itself.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(window);
        SendMessageW(window, BM_SETSTATE, TRUE, 0);
        return true;
    case WM_LBUTTONUP:
        if (GetCapture() == window) {
            const bool pressed = (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
            ReleaseCapture();
            if (pressed)
                SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                             reinterpret_cast<LPARAM>(window));
        }
        return true;
    case WM_MOUSEMOVE:
        if (GetCapture() == window) {
            // Pressed while the mouse is over it, as a button shows it.
            RECT client;
            GetClientRect(window, &client);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const bool inside = PtInRect(&client, at) != FALSE;
            if (inside != ((SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0))
                SendMessageW(window, BM_SETSTATE, inside, 0);
            return true;
        }
        if (!hot_) {
            hot_ = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
            TrackMouseEvent(&track);
            InvalidateRect(window, nullptr, FALSE);
        }
        return false;
    case WM_MOUSELEAVE:
        hot_ = false;
        InvalidateRect(window, nullptr, FALSE);
        return false;
    case WM_CAPTURECHANGED:
        if (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED) SendMessageW(window, BM_SETSTATE, FALSE, 0);
        InvalidateRect(window, nullptr, FALSE);
        return true;
    case BM_SETSTATE:
    case BM_CLICK:
    case WM_ENABLE:
    case WM_SETTEXT:
        // The button paints its state changes through WM_DRAWITEM, which
        // nobody answers; repaint here instead.
        result = Default(message, wParam, lParam);
        if (message == WM_ENABLE && !wParam) hot_ = false;
        InvalidateRect(window, nullptr, FALSE);
        return true;
    default:
        return false;
    }
}

void FlatButton::Paint(HDC target) {
    RECT client;
    GetClientRect(hwnd_, &client);
    // Drawn off screen: the hover frame must not flicker.
    OffscreenCanvas canvas(target, client);
    HDC dc = canvas.get();
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    const bool pressed = (SendMessageW(hwnd_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    if (enabled && pressed)
        DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
    else if (enabled && hot_)
        DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);

    SelectedObject selectFont(dc, ControlFont(hwnd_));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = GetText(hwnd_);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int glyph = glyph_ ? Scale(16) : 0;
    const int gap = glyph_ && !text.empty() ? Scale(4) : 0;
    const int shift = enabled && pressed ? 1 : 0;
    int x = (client.right - (glyph + gap + extent.cx)) / 2 + shift;
    if (glyph_) {
        const int y = (client.bottom - glyph) / 2 + shift;
        if (enabled) {
            ImageList_Draw(glyph_, 0, dc, x, y, ILD_TRANSPARENT);
        } else {
            UniqueIcon icon(ImageList_GetIcon(glyph_, 0, ILD_NORMAL));
            DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.get()), 0, x, y, glyph, glyph,
                       DST_ICON | DSS_DISABLED);
        }
        x += glyph + gap;
    }
    RECT textRect{x, client.top + shift, client.right, client.bottom + shift};
    DrawEmbossedText(dc, text, textRect, enabled);
}

// Gauge ---------------------------------------------------------------------

void Gauge::Setup(COLORREF bar) {
    bar_ = bar;
    SendMessageW(hwnd_, PBM_SETRANGE32, 0, 100);
    SendMessageW(hwnd_, PBM_SETPOS, 0, 0);
    Subclass();
}

int Gauge::Value() const { return static_cast<int>(SendMessageW(hwnd_, PBM_GETPOS, 0, 0)); }

void Gauge::SetValue(int value) const { SendMessageW(hwnd_, PBM_SETPOS, static_cast<WPARAM>(value), 0); }

std::wstring Gauge::Caption(int value) { return FormatDecimalW(value) + L"%"; }

bool Gauge::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd_, &paint);
        Paint(dc);
        EndPaint(hwnd_, &paint);
        return true;
    }
    case WM_ERASEBKGND:
        result = TRUE;
        return true;
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
    case WM_ENABLE:
        // The bar repaints only the part that moved; the text needs all.
        result = Default(message, wParam, lParam);
        InvalidateRect(hwnd_, nullptr, FALSE);
        return true;
    default:
        return false;
    }
}

void Gauge::Paint(HDC target) {
    RECT client;
    GetClientRect(hwnd_, &client);
    OffscreenCanvas canvas(target, client);
    HDC dc = canvas.get();
    RECT inner = client;
    DrawEdge(dc, &inner, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    FillRect(dc, &inner, GetSysColorBrush(COLOR_WINDOW));
    const int low = static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, TRUE, 0));
    const int high = static_cast<int>(SendMessageW(hwnd_, PBM_GETRANGE, FALSE, 0));
    const int value = std::clamp(Value(), low, high);
    RECT filled = inner;
    if (high > low) filled.right = inner.left + MulDiv(inner.right - inner.left, value - low, high - low);
    UniqueBrush brush(CreateSolidBrush(bar_));
    FillRect(dc, &filled, brush.get());

    // Dark text over the empty part, white text over the bar.
    SelectedObject selectFont(dc, ControlFont(hwnd_));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = Caption(value);
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX;
    UniqueRegion emptyPart(CreateRectRgn(filled.right, inner.top, inner.right, inner.bottom));
    SelectClipRgn(dc, emptyPart.get());
    ::SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text.c_str(), -1, &inner, kFormat);
    UniqueRegion barPart(CreateRectRgn(filled.left, filled.top, filled.right, filled.bottom));
    SelectClipRgn(dc, barPart.get());
    ::SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, text.c_str(), -1, &inner, kFormat);
    SelectClipRgn(dc, nullptr);
}

// Link ------------------------------------------------------------------------

void Link::OnAttached() { SetPointer(IDC_HAND); }

void Link::SetHoverColors(COLORREF normal, COLORREF hot) {
    normal_ = normal;
    hot_ = hot;
    SetTextColor(normal);
}

bool Link::OnCommand(WORD code) {
    if (code == STN_CLICKED && onClick) onClick();
    return true;
}

void Link::ShowHot(bool hot) {
    if (!normal_ || isHot_ == hot) return;
    isHot_ = hot;
    SetTextColor(hot ? *hot_ : *normal_);
}

bool Link::OnOwnMessage(UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
    if (message == WM_MOUSEMOVE && normal_) {
        // The leave notice comes once per tracking request.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
        TrackMouseEvent(&track);
        ShowHot(true);
    } else if (message == WM_MOUSELEAVE) {
        ShowHot(false);
    }
    return false;
}

// GroupBox ------------------------------------------------------------------

void GroupBox::HoldChildren(HBRUSH inside) {
    inside_ = inside;
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    Subclass();
}

bool GroupBox::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, inside_);
        result = 1;
        return true;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
        // Its window reflects them to the controls.
        result = SendMessageW(GetParent(hwnd_), message, wParam, lParam);
        return true;
    default:
        return false;
    }
}

// ReportList ------------------------------------------------------------------

void ReportList::OnAttached() { Subclass(); }

bool ReportList::OnOwnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, LRESULT& result) {
    if (message != WM_NOTIFY) return false;
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
    case HDN_DIVIDERDBLCLICKW:
    case HDN_DIVIDERDBLCLICKA:
        result = TRUE;  // refused: the column keeps its width
        return true;
    default:
        return false;
    }
}

void ReportList::Setup(std::string_view headingUtf8, int columnWidth, COLORREF text, COLORREF background) {
    SendMessageW(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_FLATSB,
                 LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    SendMessageW(hwnd_, LVM_SETTEXTCOLOR, 0, text);
    SendMessageW(hwnd_, LVM_SETBKCOLOR, 0, background);
    SendMessageW(hwnd_, LVM_SETTEXTBKCOLOR, 0, background);
    std::wstring heading = Widen(headingUtf8);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = Scale(columnWidth);
    column.pszText = heading.data();
    SendMessageW(hwnd_, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
}

int ReportList::Selected() const {
    return static_cast<int>(SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int ReportList::ItemCount() const { return static_cast<int>(SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }

std::wstring ReportList::ItemText(int item) const {
    // Captions may be longer than any record name: the user types them.
    std::wstring text(256, L'\0');
    for (;;) {
        LVITEMW request{};
        request.iSubItem = 0;
        request.pszText = text.data();
        request.cchTextMax = static_cast<int>(text.size());
        const auto length = static_cast<std::size_t>(
            SendMessageW(hwnd_, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&request)));
        if (length + 1 < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

void ReportList::SetItemText(int item, const std::wstring& text) {
    std::wstring copy = text;
    LVITEMW change{};
    change.iSubItem = 0;
    change.pszText = copy.data();
    SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&change));
}

int ReportList::Append(const std::wstring& text) {
    std::wstring caption = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = ItemCount();
    item.pszText = caption.data();
    return static_cast<int>(SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ReportList::Delete(int item) { SendMessageW(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(item), 0); }

void ReportList::Select(int item) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = item >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&state));
    if (item >= 0) SendMessageW(hwnd_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(item), FALSE);
}

void ReportList::EditCaption(int item) {
    SetFocus(hwnd_);
    SendMessageW(hwnd_, LVM_EDITLABELW, static_cast<WPARAM>(item), 0);
}

void ReportList::FinishEdit() {
    if (HWND editor = Editor()) SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
}

HWND ReportList::Editor() const { return reinterpret_cast<HWND>(SendMessageW(hwnd_, LVM_GETEDITCONTROL, 0, 0)); }

bool ReportList::OnNotify(NMHDR& header, LRESULT& result) {
    result = 0;
    switch (header.code) {
    case LVN_ITEMCHANGED:
        if (onChange) onChange();
        return true;
    case LVN_KEYDOWN:
        if (!Editor() && onKeyDown) onKeyDown(reinterpret_cast<NMLVKEYDOWN&>(header).wVKey);
        return true;
    case NM_CUSTOMDRAW: {
        // Unfocused, the list marks its selection in the button-face colour,
        // which is its own background: draw it as focused.
        auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(header);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
            result = CDRF_NOTIFYITEMDRAW;
        } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && (draw.nmcd.uItemState & CDIS_SELECTED)) {
            draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
            draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
            draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
            result = CDRF_DODEFAULT;
        }
        return true;
    }
    case LVN_BEGINLABELEDITW:
        result = FALSE;  // every caption may be edited
        return true;
    case LVN_ENDLABELEDITW: {
        const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
        // No text: the edit was cancelled.
        if (!info.item.pszText) return true;
        if (onEdited) onEdited(info.item.iItem, info.item.pszText);
        result = TRUE;  // the item keeps the text as typed
        return true;
    }
    default:
        return false;
    }
}

}  // namespace quendrel
