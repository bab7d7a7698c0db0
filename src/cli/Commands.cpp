#include "cli/Commands.h"
#include "import/ImportOutcome.h"
#include "store/AddressStore.h"
#include "store/ProgramStore.h"

namespace paluksen::cli {

// The question the window asks before clearing is answered by the command itself, and nobody
// watches a batch run's progress: the windows' status texts are left out.
Outcome runCommand(const Command& command)
{
    store::Connection store =
        command.ownStore ? store::openProgramStore(command.paths) : store::openAddressStore(command.storePath);
    if (command.ownOutput)
        command.paths.makeOutputDir();
    if (command.job->importListing) {
        const ParseResult result =
            command.job->importListing(store, command.listingPath, programOutputFiles(command.paths), {});
        return {result.outcome == ParseOutcome::Completed ? kSuccess : kNoRecords, importOutcomeText(result)};
    }
    command.job->exportTo(store, command.output, command.layout, &QDateTime::currentMSecsSinceEpoch, {});
    return {};
}

} // namespace paluksen::cli
