// Hints of a window's controls, shown as tooltips.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "controls/control_win32.h"

namespace quendrel {

class Tooltips {
public:
    Tooltips() = default;
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;
    ~Tooltips();
    void Create(HWND owner);
    void Add(std::initializer_list<const Control*> controls, std::string_view hintUtf8);
    // Changes the hint of a control added before; an empty one shows nothing.
    void SetText(const Control& control, const std::wstring& hint);
    // A hint over the control's place while it is disabled (why it is): a
    // disabled control gets no mouse messages, the owner under it does. The
    // control lies still within the owner; an empty hint shows nothing.
    void SetDisabledHint(const Control& control, std::string_view hintUtf8);

private:
    HWND owner_ = nullptr;
    HWND tips_ = nullptr;
};

}  // namespace quendrel
