// The exports as the command line calls them, in process.
#include "Stages.h"
#include "cli/Commands.h"

#include <QDir>

namespace paluksen::bench {

Lap exportByCall(const StagePlace& place, const Job& job)
{
    cli::Command command;
    command.job = &job;
    command.storePath = windowStore(place);
    command.output = OutputTarget::file(QDir(windowFolder(place)).filePath(QStringLiteral("call-") + job.fileName));
    command.layout = 0; // the first entry of the list, which the windows show when they open
    Stopwatch watch;
    if (cli::runCommand(command).exitCode != cli::kSuccess)
        die(QStringLiteral("the export call failed"));
    return watch.lap();
}

} // namespace paluksen::bench
