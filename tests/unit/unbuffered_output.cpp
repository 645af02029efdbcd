// The test program writes its output unbuffered: a case that crashes or hangs still
// shows what it printed, and tools/test-case.sh can tell a program that ran (it printed
// GoogleTest's first line) from one that never started.
#include <cstdio>

namespace {
const bool unbuffered = [] {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setvbuf(stderr, nullptr, _IONBF, 0);
    return true;
}();
}  // namespace
