// The exports as the command line calls them, in process.
#include "Stages.h"
#include "base/TaskNames.h"
#include "cli/Commands.h"

#include <QDir>

namespace paluksen::bench {
namespace {

Lap exportByCall(const StagePlace& place, cli::Job job, const QString& fileName)
{
    cli::Command command;
    command.job = job;
    command.storePath = windowStore(place);
    command.output = OutputTarget::file(QDir(windowFolder(place)).filePath(QStringLiteral("call-") + fileName));
    command.layout = 0; // the first entry of the list, which the windows show when they open
    Stopwatch watch;
    if (cli::runCommand(command).exitCode != cli::kSuccess)
        die(QStringLiteral("the export call failed"));
    return watch.lap();
}

} // namespace

Lap csvByCall(const StagePlace& place)
{
    return exportByCall(place, cli::Job::Csv, kCsvTask.fileName);
}

Lap edMaxByCall(const StagePlace& place)
{
    return exportByCall(place, cli::Job::EdMax, kEdMaxTask.fileName);
}

Lap turuKameByCall(const StagePlace& place)
{
    return exportByCall(place, cli::Job::TuruKame, kTuruKameTask.fileName);
}

} // namespace paluksen::bench
