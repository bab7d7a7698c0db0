#pragma once

namespace paluksen {

// The program as a batch command: parses the arguments, runs one import or export through the
// same core calls the windows use, and returns the exit code. Never opens a window or needs a
// display.
int runCommandLine(int argc, char** argv);

} // namespace paluksen
