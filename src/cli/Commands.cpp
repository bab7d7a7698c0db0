#include "cli/Commands.h"
#include "export/CsvWriter.h"
#include "export/EdMaxWriter.h"
#include "export/OutputFiles.h"
#include "export/TuruKameWriter.h"
#include "import/ImportOutcome.h"
#include "import/ListingImport.h"
#include "store/AddressStore.h"

#include <functional>
#include <optional>

namespace paluksen::cli {
namespace {

// The question the window asks before clearing is answered by the command itself.
Outcome runImport(store::Connection& store, const QString& listingPath)
{
    const ParseResult result = importListing(store, listingPath);
    return {result.outcome == ParseOutcome::Completed ? kSuccess : kNoRecords, importOutcomeText(result)};
}

// Writes the whole file and replaces the earlier one only when every line is written; "-" streams
// to standard output instead.
void writeOutput(const QString& path, const std::function<void(LineWriter&)>& write)
{
    std::optional<LineWriter> out;
    if (path == QLatin1String("-"))
        out.emplace(LineWriter::StandardOutput{});
    else
        out.emplace(path);
    write(*out);
    out->commit();
}

} // namespace

Outcome runCommand(const Command& command)
{
    store::Connection store = store::openAddressStore(command.storePath);
    if (command.job == Job::Import)
        return runImport(store, command.listingPath);

    // Nobody watches a batch run's progress: the texts the windows show are dropped.
    const ShowStatus quiet = [](const QString&) {};
    const QString& path = command.outputPath;
    switch (command.job) {
    case Job::Csv: {
        store::Cursor rows = openCsvRows(store); // a view that cannot be read fails before the file exists
        writeOutput(path, [&](LineWriter& out) { writeCsv(rows, out); });
        break;
    }
    case Job::EdMax:
        writeOutput(path, [&](LineWriter& out) { writeEdMax(store, out, command.layout, quiet); });
        break;
    case Job::TuruKame:
        writeOutput(path, [&](LineWriter& out) {
            LocalToday today;
            writeTuruKame(store, out, command.layout, today, quiet);
        });
        break;
    case Job::Import:
        break;
    }
    return {};
}

} // namespace paluksen::cli
