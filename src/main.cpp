#include "base/StandardDescriptors.h"
#include "cli/CommandLine.h"
#include "gui/Program.h"

// With arguments the program runs as a command without any window; without, as the main menu.
int main(int argc, char** argv)
{
    paluksen::takeClosedStandardDescriptors();
    return argc > 1 ? paluksen::runCommandLine(argc, argv) : paluksen::runWindows(argc, argv);
}
