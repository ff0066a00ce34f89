// Holders of the system's handles and GDI objects: each gives back what it holds when it goes, so
// that an early return or a throw, in a constructor half way through too, leaks nothing.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <shtypes.h>

#include <utility>

namespace quire::win32 {

// One handle owned alone, handed on only by moving. Traits give the value that holds nothing
// (Invalid) and the call that gives a handle back (Close).
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(Traits::Invalid()); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }
    // For a handle that the system gives back itself: the holder no longer does.
    Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

private:
    void reset(Handle handle) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

    Handle handle_ = Traits::Invalid();
};

template <typename T>
struct NullIsNone {
    using Handle = T;
    static Handle Invalid() noexcept { return nullptr; }
};

template <typename T>
struct GdiObjectTraits : NullIsNone<T> {
    static void Close(T object) noexcept { DeleteObject(object); }
};
using Font = UniqueHandle<GdiObjectTraits<HFONT>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;

struct CursorTraits : NullIsNone<HCURSOR> {
    static void Close(HCURSOR cursor) noexcept { DestroyCursor(cursor); }
};
using Cursor = UniqueHandle<CursorTraits>;

struct IconTraits : NullIsNone<HICON> {
    static void Close(HICON icon) noexcept { DestroyIcon(icon); }
};
using Icon = UniqueHandle<IconTraits>;

struct WindowTraits : NullIsNone<HWND> {
    static void Close(HWND window) noexcept { DestroyWindow(window); }
};
using Window = UniqueHandle<WindowTraits>;

struct MenuTraits : NullIsNone<HMENU> {
    static void Close(HMENU menu) noexcept { DestroyMenu(menu); }
};
using Menu = UniqueHandle<MenuTraits>;

struct HookTraits : NullIsNone<HHOOK> {
    static void Close(HHOOK hook) noexcept { UnhookWindowsHookEx(hook); }
};
using Hook = UniqueHandle<HookTraits>;

struct ItemListTraits : NullIsNone<PIDLIST_ABSOLUTE> {
    static void Close(PIDLIST_ABSOLUTE item) noexcept { CoTaskMemFree(item); }
};
using ItemList = UniqueHandle<ItemListTraits>;

struct LocalMemoryTraits : NullIsNone<HLOCAL> {
    static void Close(HLOCAL memory) noexcept { LocalFree(memory); }
};
using LocalMemory = UniqueHandle<LocalMemoryTraits>;

struct RegistryKeyTraits : NullIsNone<HKEY> {
    static void Close(HKEY key) noexcept { RegCloseKey(key); }
};
using RegistryKey = UniqueHandle<RegistryKeyTraits>;

// A kernel object such as a process or a thread.
struct KernelHandleTraits : NullIsNone<HANDLE> {
    static void Close(HANDLE handle) noexcept { CloseHandle(handle); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

// CreateFileW and FindFirstFileW say "none" with INVALID_HANDLE_VALUE, not with null.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE file) noexcept { CloseHandle(file); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;

struct SearchHandleTraits : FileHandleTraits {
    static void Close(HANDLE search) noexcept { FindClose(search); }
};
using SearchHandle = UniqueHandle<SearchHandleTraits>;

// A window's device context, or the screen's for a null window, for as long as the holder lives.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The painting of a window for WM_PAINT: BeginPaint now, EndPaint when the holder goes.
class PaintDc {
public:
    explicit PaintDc(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context; the one it replaced is selected again when the holder
// goes, so that the context never keeps ours once we have let it go.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace quire::win32
