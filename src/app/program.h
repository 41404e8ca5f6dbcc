#pragma once

namespace kx700 {

// Runs the program: the application object, its main window and the event loop.
// Returns the process exit code.
int RunProgram(int argc, char* argv[]);

} // namespace kx700
