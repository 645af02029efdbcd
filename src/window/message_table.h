// Window procedures as message tables: one row per message the procedure acts on, each
// with a handler that receives the message (window, message, its two parameters and, for
// a control, its kind) in one value and, unpacked from the two parameters by the message's
// cracker, what the message carries: the handler's signature says what it receives.
#pragma once

#include <windows.h>

#include <cstddef>
#include <tuple>

#include "core/hresult.h"

namespace mv {

struct WindowMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    long kind;  // the control kind of a control window (window/subclass_record.h); kNoKind for another
};

// The kind of a window that is no control (a form's).
constexpr long kNoKind = -1;

using MessageHandler = LRESULT (*)(const WindowMessage&);
struct MessageRow { UINT msg; MessageHandler fn; };

// The flags of a key message (repeat count, scan code, previous state).
struct KeyFlags {
    LPARAM bits;
    bool repeated() const { return (bits & 0x40000000) != 0; }  // the key was already down
};

// What each message a table handles carries, as its handler receives it after the
// message itself (WTL's message crackers). A message without a cracker has no row.
template <UINT Msg> struct Cracker;
template <UINT Msg> struct CarriesNothing {
    static std::tuple<> Crack(const WindowMessage&) { return {}; }
};
template <> struct Cracker<WM_PAINT> : CarriesNothing<WM_PAINT> {};
template <> struct Cracker<WM_DESTROY> : CarriesNothing<WM_DESTROY> {};
template <> struct Cracker<WM_NCDESTROY> : CarriesNothing<WM_NCDESTROY> {};
template <> struct Cracker<WM_ENTERSIZEMOVE> : CarriesNothing<WM_ENTERSIZEMOVE> {};
template <> struct Cracker<WM_EXITSIZEMOVE> : CarriesNothing<WM_EXITSIZEMOVE> {};
// The window that had (WM_SETFOCUS) or gets (WM_KILLFOCUS) the focus; may be null.
template <UINT Msg> struct OtherWindow {
    static std::tuple<HWND> Crack(const WindowMessage& m) { return {reinterpret_cast<HWND>(m.wp)}; }
};
template <> struct Cracker<WM_SETFOCUS> : OtherWindow<WM_SETFOCUS> {};
template <> struct Cracker<WM_KILLFOCUS> : OtherWindow<WM_KILLFOCUS> {};
// Whether the window is being shown (TRUE) or hidden (FALSE), and why (0: ShowWindow).
template <> struct Cracker<WM_SHOWWINDOW> {
    static std::tuple<BOOL, UINT> Crack(const WindowMessage& m) {
        return {static_cast<BOOL>(m.wp), static_cast<UINT>(m.lp)};
    }
};
// The virtual key (the character, for the character messages) and the key's flags.
template <UINT Msg> struct KeyCode {
    static std::tuple<UINT, KeyFlags> Crack(const WindowMessage& m) { return {static_cast<UINT>(m.wp), KeyFlags{m.lp}}; }
};
template <> struct Cracker<WM_KEYDOWN> : KeyCode<WM_KEYDOWN> {};
template <> struct Cracker<WM_KEYUP> : KeyCode<WM_KEYUP> {};
template <> struct Cracker<WM_CHAR> : KeyCode<WM_CHAR> {};
template <> struct Cracker<WM_SYSKEYDOWN> : KeyCode<WM_SYSKEYDOWN> {};
template <> struct Cracker<WM_SYSCHAR> : KeyCode<WM_SYSCHAR> {};
// The pointer in client coordinates and the mouse buttons and keys held (MK_...).
template <UINT Msg> struct PointerAt {
    static std::tuple<POINT, UINT> Crack(const WindowMessage& m) {
        return {POINT{static_cast<short>(LOWORD(m.lp)), static_cast<short>(HIWORD(m.lp))}, static_cast<UINT>(m.wp)};
    }
};
template <> struct Cracker<WM_LBUTTONDOWN> : PointerAt<WM_LBUTTONDOWN> {};
template <> struct Cracker<WM_LBUTTONUP> : PointerAt<WM_LBUTTONUP> {};
template <> struct Cracker<WM_LBUTTONDBLCLK> : PointerAt<WM_LBUTTONDBLCLK> {};
// WA_ACTIVE, WA_CLICKACTIVE or WA_INACTIVE; whether the window is minimised; the other window.
template <> struct Cracker<WM_ACTIVATE> {
    static std::tuple<WORD, bool, HWND> Crack(const WindowMessage& m) {
        return {LOWORD(m.wp), HIWORD(m.wp) != 0, reinterpret_cast<HWND>(m.lp)};
    }
};
// The new place the window is given; the handler may change it (may be null).
template <> struct Cracker<WM_WINDOWPOSCHANGING> {
    static std::tuple<WINDOWPOS*> Crack(const WindowMessage& m) { return {reinterpret_cast<WINDOWPOS*>(m.lp)}; }
};
// The command's identifier, its notification code and the control that sent it (null
// for a menu or an accelerator).
template <> struct Cracker<WM_COMMAND> {
    static std::tuple<WORD, WORD, HWND> Crack(const WindowMessage& m) {
        return {LOWORD(m.wp), HIWORD(m.wp), reinterpret_cast<HWND>(m.lp)};
    }
};
// The system command (its low four bits are the system's own).
template <> struct Cracker<WM_SYSCOMMAND> {
    static std::tuple<UINT> Crack(const WindowMessage& m) { return {static_cast<UINT>(m.wp)}; }
};
// The device context the child paints with, and the child.
template <UINT Msg> struct ChildColour {
    static std::tuple<HDC, HWND> Crack(const WindowMessage& m) {
        return {reinterpret_cast<HDC>(m.wp), reinterpret_cast<HWND>(m.lp)};
    }
};
template <> struct Cracker<WM_CTLCOLORSTATIC> : ChildColour<WM_CTLCOLORSTATIC> {};
template <> struct Cracker<WM_CTLCOLORBTN> : ChildColour<WM_CTLCOLORBTN> {};
template <> struct Cracker<WM_CTLCOLOREDIT> : ChildColour<WM_CTLCOLOREDIT> {};
template <> struct Cracker<WM_CTLCOLORLISTBOX> : ChildColour<WM_CTLCOLORLISTBOX> {};
// The new resolution (the same for both axes) and the window rectangle the system suggests.
template <> struct Cracker<WM_DPICHANGED> {
    static std::tuple<UINT, const RECT*> Crack(const WindowMessage& m) {
        return {LOWORD(m.wp), reinterpret_cast<const RECT*>(m.lp)};
    }
};
// How the window was sized (SIZE_RESTORED, ...) and its new client size.
template <> struct Cracker<WM_SIZE> {
    static std::tuple<UINT, SIZE> Crack(const WindowMessage& m) {
        return {static_cast<UINT>(m.wp), SIZE{LOWORD(m.lp), HIWORD(m.lp)}};
    }
};
// The new font (null: the system font) and whether the window redraws at once.
template <> struct Cracker<WM_SETFONT> {
    static std::tuple<HFONT, BOOL> Crack(const WindowMessage& m) {
        return {reinterpret_cast<HFONT>(m.wp), static_cast<BOOL>(LOWORD(m.lp))};
    }
};
// The sizes the handler may limit.
template <> struct Cracker<WM_GETMINMAXINFO> {
    static std::tuple<MINMAXINFO*> Crack(const WindowMessage& m) { return {reinterpret_cast<MINMAXINFO*>(m.lp)}; }
};
// The creation arguments.
template <UINT Msg> struct Creation {
    static std::tuple<CREATESTRUCTW*> Crack(const WindowMessage& m) { return {reinterpret_cast<CREATESTRUCTW*>(m.lp)}; }
};
template <> struct Cracker<WM_NCCREATE> : Creation<WM_NCCREATE> {};
template <> struct Cracker<WM_CREATE> : Creation<WM_CREATE> {};
// The notification's header (its sender, identifier and code).
template <> struct Cracker<WM_NOTIFY> {
    static std::tuple<NMHDR*> Crack(const WindowMessage& m) { return {reinterpret_cast<NMHDR*>(m.lp)}; }
};
// Whether the window is being enabled (true) or disabled.
template <> struct Cracker<WM_ENABLE> {
    static std::tuple<bool> Crack(const WindowMessage& m) { return {m.wp != FALSE}; }
};
// What is asked for: the flags (a 64-bit caller's bit among them) and the object's
// identifier (OBJID_CLIENT, ...), as the system passes them on to the answer.
template <> struct Cracker<WM_GETOBJECT> {
    static std::tuple<WPARAM, LONG> Crack(const WindowMessage& m) {
        return {m.wp, static_cast<LONG>(static_cast<DWORD>(m.lp))};
    }
};
// The system's colours changed (each control hears of it from its top-level window).
template <> struct Cracker<WM_SYSCOLORCHANGE> : CarriesNothing<WM_SYSCOLORCHANGE> {};
// The setting changed (SPI_..., 0 for another) and the area named (may be null).
template <> struct Cracker<WM_SETTINGCHANGE> {
    static std::tuple<UINT, const wchar_t*> Crack(const WindowMessage& m) {
        return {static_cast<UINT>(m.wp), reinterpret_cast<const wchar_t*>(m.lp)};
    }
};
// The key asking (0 when the dialog manager asks in general) and its message (may be null).
template <> struct Cracker<WM_GETDLGCODE> {
    static std::tuple<UINT, MSG*> Crack(const WindowMessage& m) {
        return {static_cast<UINT>(m.wp), reinterpret_cast<MSG*>(m.lp)};
    }
};

// The row of a message: its handler receives the message and what its cracker unpacks.
template <UINT Msg, auto Handler>
LRESULT Cracked(const WindowMessage& m) {
    return std::apply([&m](auto... carried) { return Handler(m, carried...); }, Cracker<Msg>::Crack(m));
}
template <UINT Msg, auto Handler>
constexpr MessageRow Row() { return {Msg, &Cracked<Msg, Handler>}; }

// Tests only: runs before every handler of a table, and may throw, as a handler that
// fails to allocate would.
inline void (*g_handlerFaultForTests)(const WindowMessage&) = nullptr;

// Runs the handler of the row for the message (m.msg), or `otherwise` when no row has it.
// No exception leaves a window procedure: what a handler lets escape is traced with the
// file and line of the procedure that called this, and the message gets `otherwise`.
template <size_t N>
LRESULT Dispatch(const MessageRow (&rows)[N], const WindowMessage& m, MessageHandler otherwise,
                 const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
    try {
        for (const MessageRow& row : rows)
            if (row.msg == m.msg) {
                if (g_handlerFaultForTests) g_handlerFaultForTests(m);
                return row.fn(m);
            }
        return otherwise(m);
    } catch (...) {
        TraceCaught(file, line, L"window procedure");
    }
    try {
        return otherwise(m);
    } catch (...) {
        TraceCaught(file, line, L"window procedure");
        return 0;
    }
}

}  // namespace mv
