#pragma once

// The program from process start to the end of its event loop: language, single instance, splash,
// the windows in their order, the event loop. Returns the exit code.
int runProgram(int argc, char** argv);
