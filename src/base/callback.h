// A callback of two pointers: an object and a function that calls one of its
// members (or a plain function). It owns nothing and costs a copy of two
// pointers; the object must outlive it. Empty, it does nothing and returns
// R's default.
//   button.onClick = Bind<&Panel::OnCreateClick>(this);
#pragma once

#include <utility>

namespace quendrel {

template <typename Signature>
class Callback;

template <typename R, typename... Args>
class Callback<R(Args...)> {
public:
    Callback() = default;

    // object->*Member(args...).
    template <auto Member, typename T>
    static Callback To(T* object) {
        return Callback(const_cast<void*>(static_cast<const void*>(object)), [](void* self, Args... args) -> R {
            return (static_cast<T*>(self)->*Member)(std::forward<Args>(args)...);
        });
    }
    // Function(args...).
    template <R (*Function)(Args...)>
    static Callback ToFunction() {
        return Callback(nullptr, [](void*, Args... args) -> R { return Function(std::forward<Args>(args)...); });
    }

    explicit operator bool() const { return call_ != nullptr; }
    R operator()(Args... args) const {
        if (!call_) return R();
        return call_(object_, std::forward<Args>(args)...);
    }

private:
    using Call = R (*)(void*, Args...);
    Callback(void* object, Call call) : object_(object), call_(call) {}

    void* object_ = nullptr;
    Call call_ = nullptr;
};

template <typename Member>
struct MemberSignature;
template <typename C, typename R, typename... Args>
struct MemberSignature<R (C::*)(Args...)> {
    using Type = R(Args...);
};
template <typename C, typename R, typename... Args>
struct MemberSignature<R (C::*)(Args...) const> {
    using Type = R(Args...);
};

// A callback of the member's own signature on object.
template <auto Member, typename T>
Callback<typename MemberSignature<decltype(Member)>::Type> Bind(T* object) {
    return Callback<typename MemberSignature<decltype(Member)>::Type>::template To<Member>(object);
}

}  // namespace quendrel
