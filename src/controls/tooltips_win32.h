// Hints of a window's controls, shown as tooltips.
#pragma once

#include <initializer_list>
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

private:
    HWND owner_ = nullptr;
    HWND tips_ = nullptr;
};

}  // namespace quendrel
