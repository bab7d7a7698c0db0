#include "cli/Commands.h"
#include "export/CsvExport.h"
#include "export/EdMaxExport.h"
#include "export/TuruKameExport.h"
#include "import/ImportOutcome.h"
#include "import/ListingImport.h"
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
    switch (command.job) {
    case Job::Import: {
        const ParseResult result = importListing(store, command.listingPath, command.programOutputs);
        return {result.outcome == ParseOutcome::Completed ? kSuccess : kNoRecords, importOutcomeText(result)};
    }
    case Job::Csv:
        exportCsv(store, command.output);
        break;
    case Job::EdMax:
        exportEdMax(store, command.output, MemoLayout(command.layout));
        break;
    case Job::TuruKame:
        exportTuruKame(store, command.output, RemarksLayout(command.layout));
        break;
    }
    return {};
}

} // namespace paluksen::cli
