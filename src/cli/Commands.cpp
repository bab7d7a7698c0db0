#include "cli/Commands.h"
#include "import/ImportOutcome.h"
#include "store/AddressStore.h"

namespace paluksen::cli {

// The question the window asks before clearing is answered by the command itself, and nobody
// watches a batch run's progress: the windows' status texts are left out.
Outcome runCommand(const Command& command)
{
    store::Connection store = store::openAddressStore(command.storePath);
    if (command.job->importListing) {
        const ParseResult result = command.job->importListing(store, command.listingPath, {});
        return {result.outcome == ParseOutcome::Completed ? kSuccess : kNoRecords, importOutcomeText(result)};
    }
    command.job->exportTo(store, command.output, command.layout, &QDateTime::currentMSecsSinceEpoch, {});
    return {};
}

} // namespace paluksen::cli
