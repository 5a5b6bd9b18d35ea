#include "controls/tooltips_win32.h"

#include <string>

#include "win32/text_win32.h"
#include "win32/ui_win32.h"
#include "win32/window_win32.h"

namespace quendrel {

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

namespace {

TTTOOLINFOW Tool(HWND owner, const Control& control, std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // accepted by every comctl32
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = text.data();
    return tool;
}

}  // namespace

void Tooltips::Add(std::initializer_list<const Control*> controls, std::string_view hintUtf8) {
    std::wstring text = Widen(hintUtf8);
    for (const Control* control : controls) {
        if (!tips_ || !control->hwnd()) continue;
        TTTOOLINFOW tool = Tool(owner_, *control, text);
        SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Tooltips::SetDisabledHint(const Control& control, std::string_view hintUtf8) {
    if (!tips_ || !control.hwnd()) return;
    std::wstring text = Widen(hintUtf8);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = owner_;
    // Keyed by the control's identifier: its handle keys its own hint.
    tool.uId = static_cast<UINT_PTR>(GetDlgCtrlID(control.hwnd()));
    tool.lpszText = text.data();
    GetWindowRect(control.hwnd(), &tool.rect);
    MapWindowPoints(nullptr, owner_, reinterpret_cast<POINT*>(&tool.rect), 2);
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty()) SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::SetText(const Control& control, const std::wstring& hint) {
    if (!tips_ || !control.hwnd()) return;
    std::wstring text = hint;
    TTTOOLINFOW tool = Tool(owner_, control, text);
    SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace quendrel
