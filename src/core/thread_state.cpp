// Each thread's state: one block per thread in a fiber-local slot, whose callback frees
// the block of a thread that ends.
#include "core/thread_state.h"

#include <vector>

namespace mv {

namespace {

struct Part {
    void* object = nullptr;
    thread_state::FreeFn free = nullptr;
};

// One thread's objects by slot, the order they were made in, and how many hold them.
// `ending`: the objects are being freed; a hold taken and let go meanwhile (a destructor
// that calls into the library) frees nothing twice.
struct Block {
    std::vector<Part> bySlot;
    std::vector<size_t> made;
    long holds = 0;
    bool ending = false;
};

// The slot of each kind of object: numbered once per kind, for the process.
volatile LONG g_slots = 0;
// Blocks alive, for the tests.
volatile LONG g_blocks = 0;

// The fiber-local index (FLS: its callback runs when a thread ends, whether or not the
// module hears of threads), made once.
INIT_ONCE g_indexOnce = INIT_ONCE_STATIC_INIT;
DWORD g_index = FLS_OUT_OF_INDEXES;

void Free(Block* block) {
    block->ending = true;
    while (!block->made.empty()) {  // newest first; one a destructor makes is freed too
        const size_t slot = block->made.back();
        block->made.pop_back();
        Part part = block->bySlot[slot];
        block->bySlot[slot] = Part{};
        if (part.object) part.free(part.object);
    }
    delete block;
    InterlockedDecrement(&g_blocks);
}

// A thread ends (or the module unloads) with its block: freed when nothing holds it. A
// thread that ends holding a Desktop leaves that Desktop and its objects, and the state
// that serves them, to the process.
void NTAPI ThreadEnded(void* value) {
    auto* block = static_cast<Block*>(value);
    if (block && block->holds == 0 && !block->ending) Free(block);
}

BOOL CALLBACK MakeIndex(INIT_ONCE*, void*, void**) {
    g_index = FlsAlloc(&ThreadEnded);
    return TRUE;
}

DWORD Index() {
    InitOnceExecuteOnce(&g_indexOnce, &MakeIndex, nullptr, nullptr);
    return g_index;
}

// Where a process has no fiber-local index left: a thread-local slot, freed by the last
// hold alone.
thread_local Block* t_withoutIndex = nullptr;

Block* Current() {
    const DWORD index = Index();
    return index == FLS_OUT_OF_INDEXES ? t_withoutIndex : static_cast<Block*>(FlsGetValue(index));
}

void SetCurrent(Block* block) {
    const DWORD index = Index();
    if (index == FLS_OUT_OF_INDEXES) t_withoutIndex = block;
    else FlsSetValue(index, block);
}

Block& CurrentOrNew() {
    if (Block* block = Current()) return *block;
    auto* block = new Block;
    InterlockedIncrement(&g_blocks);
    SetCurrent(block);
    return *block;
}

void LetGo(Block* block) {
    if (!block || --block->holds > 0 || block->ending) return;
    SetCurrent(nullptr);  // a use from here on makes a new block
    Free(block);
}

}  // namespace

namespace thread_state {

size_t NewSlot() { return static_cast<size_t>(InterlockedIncrement(&g_slots) - 1); }

void* Find(size_t slot) {
    Block* block = Current();
    return block && slot < block->bySlot.size() ? block->bySlot[slot].object : nullptr;
}

void Keep(size_t slot, void* object, FreeFn free) {
    Block& block = CurrentOrNew();
    if (block.bySlot.size() <= slot) block.bySlot.resize(slot + 1);
    block.bySlot[slot] = Part{object, free};
    block.made.push_back(slot);
}

}  // namespace thread_state

ThreadStateHold::ThreadStateHold() { HoldThreadState(); }
ThreadStateHold::~ThreadStateHold() { LetGoThreadState(); }

void HoldThreadState() { ++CurrentOrNew().holds; }

void LetGoThreadState() { LetGo(Current()); }

bool ThreadHasState() { return Current() != nullptr; }

long LiveThreadStates() { return g_blocks; }

void UnloadThreadStates() {
    // FlsFree hands every thread's block to the callback: what nothing holds is freed
    // while the module's code is still there.
    if (g_index != FLS_OUT_OF_INDEXES) FlsFree(g_index);
    g_index = FLS_OUT_OF_INDEXES;
}

}  // namespace mv
