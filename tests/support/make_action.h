// Actions in one line.
#pragma once

#include <cstdint>
#include <utility>

#include "actions/action.h"

namespace quendrel::test {

inline Action MakeAction(ActionKind kind, std::uint32_t number = 0, Utf16String name = {}) {
    Action action;
    action.kind = kind;
    action.number = number;
    action.name = std::move(name);
    return action;
}

}  // namespace quendrel::test
