// Real input on the virtual display: xdotool, started from inside the test process, moves
// the X pointer and presses buttons and keys; Wine turns that into the hardware input a
// user's hand would give. The calling thread keeps dispatching its messages meanwhile, so
// its windows (and the modal loops they enter, such as a caption drag) see the input.
// A test that gives real input is slow and takes the display's pointer and keyboard: it
// is named in `real_input_tests` in CMakeLists.txt, which gives it the CTest label
// real-input.
#pragma once

#include <windows.h>

#include <string>

namespace test {

// True when xdotool is installed on the machine that runs Wine.
bool HaveXdotool();

// Skips the current test when there is no xdotool to give real input.
#define REQUIRE_XDOTOOL() \
    if (!test::HaveXdotool()) GTEST_SKIP() << "xdotool is not installed"

// Runs xdotool with the given arguments and waits for it (at most 30 s), dispatching
// messages. False when xdotool could not be started or failed.
bool Xdotool(const std::string& args);

// Presses the left button at (x, y), moves by (dx, dy) in steps and releases it.
bool Drag(int x, int y, int dx, int dy);

}  // namespace test
