#include "cli/CommandLine.h"

#include <cstdio>

namespace paluksen {

// Placeholder until the command line lands: says so and exits as for a wrong argument.
int runCommandLine(int, char**)
{
    std::fputs("paluksen: コマンドラインはまだ使えません。\n", stderr);
    return 2;
}

} // namespace paluksen
