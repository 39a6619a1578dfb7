// Owners of the system's handles: each closes its handle when it goes, so
// no way out of a function, an exception included, leaves a key, a kernel
// object, a GDI object or a library open.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace quintel::win32 {

template <typename Traits>
class Owner {
public:
    using Type = typename Traits::Type;

    Owner() = default;
    explicit Owner(Type value) : value_(value) {}
    ~Owner() { Reset(); }
    Owner(Owner&& other) noexcept : value_(other.Release()) {}
    Owner& operator=(Owner&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

    Type Get() const { return value_; }
    explicit operator bool() const { return Traits::Valid(value_); }
    // The handle, no longer owned.
    Type Release() { return std::exchange(value_, Traits::Empty()); }
    // Closes the handle held and takes `value` in its place.
    void Reset(Type value = Traits::Empty()) {
        if (Traits::Valid(value_)) Traits::Close(value_);
        value_ = value;
    }
    // For a call that stores a new handle through a pointer: the old one
    // is closed first.
    Type* Put() {
        Reset();
        return &value_;
    }

private:
    Type value_ = Traits::Empty();
};

struct KeyTraits {
    using Type = HKEY;
    static HKEY Empty() { return nullptr; }
    static bool Valid(HKEY key) { return key != nullptr; }
    static void Close(HKEY key) { RegCloseKey(key); }
};

// Kernel objects: processes, threads, tokens, mutexes, files. Both null
// and INVALID_HANDLE_VALUE mean none: the calls differ in which they give.
struct KernelTraits {
    using Type = HANDLE;
    static HANDLE Empty() { return nullptr; }
    static bool Valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};

template <typename Object>
struct GdiTraits {
    using Type = Object;
    static Object Empty() { return nullptr; }
    static bool Valid(Object object) { return object != nullptr; }
    static void Close(Object object) { DeleteObject(object); }
};

struct ModuleTraits {
    using Type = HMODULE;
    static HMODULE Empty() { return nullptr; }
    static bool Valid(HMODULE module) { return module != nullptr; }
    static void Close(HMODULE module) { FreeLibrary(module); }
};

struct IconTraits {
    using Type = HICON;
    static HICON Empty() { return nullptr; }
    static bool Valid(HICON icon) { return icon != nullptr; }
    static void Close(HICON icon) { DestroyIcon(icon); }
};

struct ImageListTraits {
    using Type = HIMAGELIST;
    static HIMAGELIST Empty() { return nullptr; }
    static bool Valid(HIMAGELIST list) { return list != nullptr; }
    static void Close(HIMAGELIST list) { ImageList_Destroy(list); }
};

// A menu not (or no longer) attached to a window: a window destroys its
// own menu bar.
struct MenuTraits {
    using Type = HMENU;
    static HMENU Empty() { return nullptr; }
    static bool Valid(HMENU menu) { return menu != nullptr; }
    static void Close(HMENU menu) { DestroyMenu(menu); }
};

using UniqueKey = Owner<KeyTraits>;
using UniqueIcon = Owner<IconTraits>;
using UniqueImageList = Owner<ImageListTraits>;
using UniqueMenu = Owner<MenuTraits>;
using UniqueHandle = Owner<KernelTraits>;
template <typename Object = HGDIOBJ>
using UniqueGdiObject = Owner<GdiTraits<Object>>;
using UniqueModule = Owner<ModuleTraits>;

// A window's device context, given back to the window when it goes.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

}  // namespace quintel::win32
