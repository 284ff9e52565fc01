// Owners that release a system resource when the local variable holding it
// goes out of scope, on every path out of the step that took it. They are a
// destructor and nothing more: no exceptions and no run-time support, only
// the release call that would otherwise be written by hand on each path.
#pragma once
#include <windows.h>
#include "platform/globals.h"

template <typename Handle, typename Release>
class Owned {
public:
    Owned() : handle_((Handle)Release::Empty()) {}
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned()
    {
        if (Holds())
            Release::Free(handle_);
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    // Where a function that opens the resource puts its handle; the owner
    // must hold nothing yet.
    Handle* Receive() { return &handle_; }
    operator Handle() const { return handle_; }
    Handle operator->() const { return handle_; }
    // Hands the resource on to whoever keeps it from now on.
    Handle Detach()
    {
        Handle handle = handle_;
        handle_ = (Handle)Release::Empty();
        return handle;
    }
    bool Holds() const { return handle_ != Release::Empty(); }

private:
    Handle handle_;
};

// How each kind is released (a failed release is ignored: nothing more can
// be done then), and the value that stands for none: null, or for files and
// searches INVALID_HANDLE_VALUE, which their functions give when they fail.
struct NoneIsNull {
    static void* Empty() { return NULL; }
};
struct NoneIsInvalid {
    static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
};
struct CloseKey : NoneIsNull { static void Free(HKEY key) { (void)RegCloseKey(key); } };
struct CloseKernelHandle : NoneIsNull { static void Free(HANDLE handle) { (void)CloseHandle(handle); } };
struct CloseFile : NoneIsInvalid { static void Free(HANDLE file) { (void)CloseHandle(file); } };
struct CloseFileSearch : NoneIsInvalid { static void Free(HANDLE search) { (void)FindClose(search); } };
struct FreeModule : NoneIsNull { static void Free(HMODULE module) { (void)FreeLibrary(module); } };
struct DeleteGdiObject : NoneIsNull { static void Free(HGDIOBJ object) { (void)DeleteObject(object); } };
struct DeleteMemoryDc : NoneIsNull { static void Free(HDC dc) { (void)DeleteDC(dc); } };
struct FreeHeapBlock : NoneIsNull { static void Free(void* block) { (void)HeapFree(GetProcessHeap(), 0, block); } };

typedef Owned<HKEY, CloseKey> OwnedKey;
typedef Owned<HANDLE, CloseKernelHandle> OwnedHandle;
typedef Owned<HANDLE, CloseFile> OwnedFile;
typedef Owned<HANDLE, CloseFileSearch> OwnedFileSearch;
typedef Owned<HMODULE, FreeModule> OwnedModule;
template <typename Object>
using OwnedGdiObject = Owned<Object, DeleteGdiObject>;
typedef Owned<HDC, DeleteMemoryDc> OwnedMemoryDc;
// A block of the process heap.
template <typename Pointer>
using OwnedBlock = Owned<Pointer, FreeHeapBlock>;

// The device context of a window's client area, released to its window.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { (void)ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context; the object it replaced is
// selected back, before the context itself is let go when the context's
// owner was made first. A null object selects nothing.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object != NULL ? SelectObject(dc, object) : NULL) {}
    ~Selected()
    {
        if (previous_ != NULL)
            (void)SelectObject(dc_, previous_);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The busy cursor for as long as a step waits on something outside setup;
// the cursor it replaced comes back when the step is done.
class BusyCursorShown {
public:
    BusyCursorShown() : kept_(SetCursor(BusyCursor)) {}
    ~BusyCursorShown() { (void)SetCursor(kept_); }
    BusyCursorShown(const BusyCursorShown&) = delete;
    BusyCursorShown& operator=(const BusyCursorShown&) = delete;

private:
    HCURSOR kept_;
};
