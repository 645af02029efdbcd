// Window procedures as message tables: one row per message the procedure acts on, each
// with a handler that receives the message (window, message, its two parameters and, for
// a control, its kind) in one value.
#pragma once

#include <windows.h>

#include <cstddef>

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

// Runs the handler of the row for the message (m.msg), or `otherwise` when no row has it.
template <size_t N>
LRESULT Dispatch(const MessageRow (&rows)[N], const WindowMessage& m, MessageHandler otherwise) {
    for (const MessageRow& row : rows)
        if (row.msg == m.msg) return row.fn(m);
    return otherwise(m);
}

}  // namespace mv
