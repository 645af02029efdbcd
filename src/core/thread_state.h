// Each thread's state of the library: one object of each kind a module asks for, made on
// the thread's first use of it and freed all together, newest first, once nothing holds
// the thread's state (its last Desktop has gone and no call of the library runs on it),
// or when the thread ends.
//
// Scripts live on apartment threads, and a process may run several at once (PowerShell
// runspaces, Python threads, an add-in beside its host): each keeps its own event queue,
// windows, records and nesting counters, with no lock. What a thread's state holds is
// reached only from that thread.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>

namespace mv {

namespace thread_state {

using FreeFn = void (*)(void*);

// A slot number for one kind of object, the same on every thread.
size_t NewSlot();
// This thread's object in the slot, or null.
void* Find(size_t slot);
// Keeps `object` in this thread's slot, to be freed with `free` when the state goes.
void Keep(size_t slot, void* object, FreeFn free);

template <typename T>
size_t SlotOf() {
    static const size_t slot = NewSlot();  // made once, whichever thread asks first
    return slot;
}

}  // namespace thread_state

// This thread's T, made on first use.
template <typename T>
T& ThreadOwn() {
    const size_t slot = thread_state::SlotOf<T>();
    if (void* found = thread_state::Find(slot)) return *static_cast<T*>(found);
    std::unique_ptr<T> made(new T());
    thread_state::Keep(slot, made.get(), [](void* p) { delete static_cast<T*>(p); });
    return *made.release();
}

// This thread's T when it has one, or null: for a look that must not make it.
template <typename T>
T* ThreadOwnIfMade() {
    return static_cast<T*>(thread_state::Find(thread_state::SlotOf<T>()));
}

// Keeps the thread's state while it lives: each Desktop holds its thread's state for its
// lifetime, and a call, message pass or focus hand-over for its length (whatever it
// runs may end the thread's last Desktop, and the state the running scope counts in
// is freed after it, not under it).
class ThreadStateHold {
public:
    ThreadStateHold();
    ~ThreadStateHold();
    ThreadStateHold(const ThreadStateHold&) = delete;
    ThreadStateHold& operator=(const ThreadStateHold&) = delete;
};

// The same for holders whose span is no scope (a Desktop's life): each hold is let go
// once, on the thread that took it.
void HoldThreadState();
void LetGoThreadState();

// Whether this thread has state of the library now, and how many threads' states the
// process holds (tests).
bool ThreadHasState();
long LiveThreadStates();

// The module unloads (FreeLibrary, not the process's end): the states nothing holds go,
// and no thread's end calls into the module afterwards.
void UnloadThreadStates();

}  // namespace mv
