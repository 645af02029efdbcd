// Owners for platform handles and COM values: one small type per kind, so that every
// handle the library takes is given back on every path.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <uxtheme.h>

#include <utility>

namespace mv {

template <typename H, typename Close>
class Unique {
public:
    Unique() = default;
    explicit Unique(H h) : h_(h) {}
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& o) noexcept : h_(o.release()) {}
    Unique& operator=(Unique&& o) noexcept { reset(o.release()); return *this; }
    ~Unique() { reset(); }

    H get() const { return h_; }
    H release() { H h = h_; h_ = H{}; return h; }
    void reset(H h = H{}) { if (h_) Close{}(h_); h_ = h; }
    H* put() { reset(); return &h_; }  // out-parameter: frees the old one first
    explicit operator bool() const { return h_ != H{}; }

private:
    H h_ = H{};
};

// Memory device contexts (CreateCompatibleDC), file handles (store null, never
// INVALID_HANDLE_VALUE), global memory blocks and file searches.
struct MemoryDcClose { void operator()(HDC h) const { DeleteDC(h); } };
struct FileClose { void operator()(HANDLE h) const { CloseHandle(h); } };
struct GlobalClose { void operator()(HGLOBAL h) const { GlobalFree(h); } };
struct SearchClose { void operator()(HANDLE h) const { FindClose(h); } };
using UniqueMemoryDc = Unique<HDC, MemoryDcClose>;
using UniqueFile = Unique<HANDLE, FileClose>;
using UniqueSearch = Unique<HANDLE, SearchClose>;  // FindFirstFile; null, never INVALID_HANDLE_VALUE

// What CreateFile and FindFirstFile hand back, owned: their INVALID_HANDLE_VALUE becomes
// an empty owner.
inline UniqueFile AdoptFile(HANDLE h) { return UniqueFile(h == INVALID_HANDLE_VALUE ? nullptr : h); }
inline UniqueSearch AdoptSearch(HANDLE h) { return UniqueSearch(h == INVALID_HANDLE_VALUE ? nullptr : h); }
using UniqueGlobal = Unique<HGLOBAL, GlobalClose>;

struct GdiClose { void operator()(HGDIOBJ h) const { DeleteObject(h); } };
struct ThemeClose { void operator()(HTHEME h) const { CloseThemeData(h); } };
struct KeyClose { void operator()(HKEY h) const { RegCloseKey(h); } };
struct WindowClose { void operator()(HWND h) const { DestroyWindow(h); } };
struct TaskMemClose { void operator()(void* p) const { CoTaskMemFree(p); } };

using UniqueFont = Unique<HFONT, GdiClose>;
using UniqueBitmap = Unique<HBITMAP, GdiClose>;
using UniqueTheme = Unique<HTHEME, ThemeClose>;
using UniqueKey = Unique<HKEY, KeyClose>;
using UniqueWindow = Unique<HWND, WindowClose>;
template <typename T>
using UniqueTaskMem = Unique<T*, TaskMemClose>;  // memory the system handed over (CoTaskMemAlloc)

// A window's device context from GetDC/GetWindowDC, released with ReleaseDC; the screen's
// for a null window.
class WindowDc {
public:
    WindowDc(HWND hwnd, HDC dc) : hwnd_(hwnd), dc_(dc) {}
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { if (dc_) ReleaseDC(hwnd_, dc_); }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint/EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(hwnd_, &ps_); }
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// SelectObject, restoring the previous object when the scope ends.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { if (old_) SelectObject(dc_, old_); }

private:
    HDC dc_;
    HGDIOBJ old_;
};

// LockWindowUpdate for the length of a scope. Only one window of the system can be
// locked: when another holds the lock, this one takes nothing and releases nothing.
class UpdateLock {
public:
    explicit UpdateLock(HWND hwnd) : locked_(LockWindowUpdate(hwnd) != FALSE) {}
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;
    ~UpdateLock() { if (locked_) LockWindowUpdate(nullptr); }

private:
    bool locked_;
};

// A slim reader/writer lock held exclusively for the length of a scope.
class ExclusiveLock {
public:
    explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;
    ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock_); }

private:
    SRWLOCK& lock_;
};

// Counts one level of a re-entrant routine for the length of a scope.
class NestingGuard {
public:
    explicit NestingGuard(int& depth) : depth_(depth) { ++depth_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
    ~NestingGuard() { --depth_; }

private:
    int& depth_;
};

// An automation string. Null counts as empty, as automation callers expect.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const wchar_t* s) : s_(SysAllocString(s)) {}
    Bstr(const wchar_t* s, UINT len) : s_(SysAllocStringLen(s, len)) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& o) noexcept : s_(o.detach()) {}
    Bstr& operator=(Bstr&& o) noexcept { reset(o.detach()); return *this; }
    ~Bstr() { SysFreeString(s_); }

    BSTR get() const { return s_; }
    BSTR detach() { BSTR s = s_; s_ = nullptr; return s; }
    void reset(BSTR s = nullptr) { SysFreeString(s_); s_ = s; }
    BSTR* put() { reset(); return &s_; }
    UINT length() const { return SysStringLen(s_); }

private:
    BSTR s_ = nullptr;
};

// The error a called IDispatch::Invoke may fill: its strings are freed with it.
class ExcepInfo {
public:
    ExcepInfo() = default;
    ExcepInfo(const ExcepInfo&) = delete;
    ExcepInfo& operator=(const ExcepInfo&) = delete;
    ~ExcepInfo() {
        SysFreeString(e_.bstrSource);
        SysFreeString(e_.bstrDescription);
        SysFreeString(e_.bstrHelpFile);
    }
    EXCEPINFO* put() { return &e_; }

private:
    EXCEPINFO e_{};
};

// VariantInit/VariantClear.
class Variant {
public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }

    VARIANT* get() { return &v_; }
    const VARIANT* get() const { return &v_; }
    VARIANT* put() { VariantClear(&v_); return &v_; }

private:
    VARIANT v_;
};

// A counted COM reference.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(T* p) : p_(p) { if (p_) p_->AddRef(); }  // NOLINT: shares the reference
    ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
    ComPtr(ComPtr&& o) noexcept : p_(o.detach()) {}
    ComPtr& operator=(const ComPtr& o) { ComPtr(o).swap(*this); return *this; }
    ComPtr& operator=(ComPtr&& o) noexcept { ComPtr(std::move(o)).swap(*this); return *this; }
    ~ComPtr() { reset(); }

    static ComPtr attach(T* p) { ComPtr c; c.p_ = p; return c; }
    T* detach() { T* p = p_; p_ = nullptr; return p; }
    void reset() { if (p_) { T* p = p_; p_ = nullptr; p->Release(); } }
    T** put() { reset(); return &p_; }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void swap(ComPtr& o) noexcept { std::swap(p_, o.p_); }

private:
    T* p_ = nullptr;
};

// A counted reference kept in a static or thread-local slot. Unlike ComPtr it does not release at
// process exit: the library's static destructors run while the process is being torn
// down, when windows must not be destroyed and other modules may already be gone.
template <typename T>
class StaticRef {
public:
    constexpr StaticRef() = default;
    StaticRef(const StaticRef&) = delete;
    StaticRef& operator=(const StaticRef&) = delete;

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void reset(T* p = nullptr) {
        if (p) p->AddRef();
        T* old = p_;
        p_ = p;
        if (old) old->Release();  // may run arbitrary teardown: the slot is consistent first
    }
    // Empties the slot and hands its reference to the caller.
    ComPtr<T> take() {
        T* p = p_;
        p_ = nullptr;
        return ComPtr<T>::attach(p);
    }

private:
    T* p_ = nullptr;
};

}  // namespace mv
