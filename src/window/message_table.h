// Window procedures as message tables: one row per message the procedure acts on, each
// with a handler that receives the message (window, message, its two parameters and, for
// a control, its kind) in one value.
#pragma once

#include <windows.h>

#include <cstddef>

#include "core/hresult.h"

namespace mv {

struct WindowMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wp;
    LPARAM lp;
    long kind;  // the control kind of a control window; 0 for a form window
};

using MessageHandler = LRESULT (*)(const WindowMessage&);
struct MessageRow { UINT msg; MessageHandler fn; };

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
