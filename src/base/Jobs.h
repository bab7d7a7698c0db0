#pragma once

#include "base/ProgramPaths.h"
#include "export/CompanyDetails.h"
#include "export/LocalToday.h"
#include "export/ShowStatus.h"
#include "import/ListingImport.h"
#include "store/Sqlite.h"
#include "text/LineWriter.h"

#include <QString>
#include <optional>
#include <span>

namespace paluksen {

// The list an address book's window offers for how company, department and title are written:
// the command line's option that picks an entry by its place, the list's caption (the window and
// the help both show it) and its entries.
struct JobLayouts {
    QString option;
    const QString& caption;
    std::span<const LayoutEntry> entries;
};

// The core calls of the two kinds of job; layout is the chosen entry's place in the job's list.
using ImportCall = ParseResult (*)(store::Connection&, const QString& listing, const QStringList& programOutputs,
                                   const ShowImportStage&);
using ExportCall = void (*)(store::Connection&, const OutputTarget&, int layout, const LocalToday::Clock&,
                            const ShowStatus&);

// One of the program's jobs as the user meets it in every front end: the name of the window that
// does it (the main menu's caption shows one, and it names the CSV file), its caption, which also
// labels its main menu button and its line in the command line's usage, its button's number, the
// command line's word for it, and the file an export writes. Exactly one of the calls is set.
struct Job {
    QString window;
    QString caption;
    int button;
    QString command;
    QString fileName;
    std::optional<JobLayouts> layouts;
    ImportCall importListing = nullptr;
    ExportCall exportTo = nullptr;
};

inline const QString kMainMenuName = QStringLiteral("PalukF00");

// Every job, in the order of their buttons: the main menu, the window factory, the command line
// and its help read this table and nothing else.
std::span<const Job> jobs();
const Job* jobOfCommand(QStringView command);
const Job* jobOfButton(int number);
const Job& jobOfWindow(QStringView window);

// The files the program's exports write, the one list an import checks a listing against.
QStringList programOutputFiles(const ProgramPaths& paths);

} // namespace paluksen
