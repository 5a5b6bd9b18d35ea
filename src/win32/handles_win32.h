// Small owners for Win32 handles: one owner each, copies deleted.
#pragma once

#include <windows.h>

#include <utility>

namespace quendrel {

// Owns a handle and frees it with Close when it goes. Null, and
// INVALID_HANDLE_VALUE for the kernel calls that return it, own nothing.
template <typename Handle, auto Close>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const {
        return handle_ != Handle{} && reinterpret_cast<HANDLE>(handle_) != INVALID_HANDLE_VALUE;
    }
    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (*this) Close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_{};
};

using UniqueKernelHandle = UniqueHandle<HANDLE, &CloseHandle>;
using UniqueFont = UniqueHandle<HFONT, &DeleteObject>;
using UniqueBrush = UniqueHandle<HBRUSH, &DeleteObject>;
using UniqueRegion = UniqueHandle<HRGN, &DeleteObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, &DeleteObject>;
using UniquePen = UniqueHandle<HPEN, &DeleteObject>;
using UniqueIcon = UniqueHandle<HICON, &DestroyIcon>;
using UniqueMemoryDC = UniqueHandle<HDC, &DeleteDC>;  // CreateCompatibleDC
using UniqueKey = UniqueHandle<HKEY, &RegCloseKey>;
using UniqueMenu = UniqueHandle<HMENU, &DestroyMenu>;
using UniqueLocal = UniqueHandle<HLOCAL, &LocalFree>;

// Runs what it was given when the scope ends: for what is undone by hand.
template <typename Undo>
class ScopeExit {
public:
    explicit ScopeExit(Undo undo) : undo_(std::move(undo)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { undo_(); }

private:
    Undo undo_;
};

// GetDC / ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// SelectObject, put back on scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Paints off screen and copies the picture to the target when it goes, so
// that a control's repaint never flickers.
class OffscreenCanvas {
public:
    OffscreenCanvas(HDC target, const RECT& area)
        : target_(target),
          area_(area),
          dc_(CreateCompatibleDC(target)),
          bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)),
          selected_(dc_.get(), bitmap_.get()) {}
    OffscreenCanvas(const OffscreenCanvas&) = delete;
    OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;
    ~OffscreenCanvas() {
        BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_.get(),
               area_.left, area_.top, SRCCOPY);
    }
    HDC get() const { return dc_.get(); }

private:
    HDC target_;
    RECT area_;
    // Released in reverse: the bitmap is deselected before either goes.
    UniqueMemoryDC dc_;
    UniqueBitmap bitmap_;
    SelectedObject selected_;
};

}  // namespace quendrel
