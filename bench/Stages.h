#pragma once

#include "Stopwatch.h"
#include "base/Jobs.h"

#include <QString>

namespace paluksen::bench {

// Where one stage finds its input and leaves its output. Every stage runs in a process of its
// own, so the peak resident memory that process reports belongs to that stage alone.
struct StagePlace {
    QString dir;        // the run's temporary folder: the listing, the stores, the output files
    QString listing;    // the synthetic listing
    QString emptyStore; // the store file as shipped, copied before each use
};

// Stages of this program's own, each run in a child process and timed there.
Lap parseOnly(const StagePlace& place);
// The command line's in-process core calls, and the same job through its window, pressed as
// the user presses it; both on the store the window stages use (windowStore()).
Lap importByCall(const StagePlace& place);
Lap exportByCall(const StagePlace& place, const Job& job);
Lap throughWindow(const StagePlace& place, const Job& job);

// The rows the parser gives, as the two TSV files the sqlite3 shell loads: addresses.tsv and
// groups.tsv in the run's folder.
void writeTsvFiles(const StagePlace& place);

// A file of the run's folder.
QString placeFile(const StagePlace& place, const QString& name);
// The store the command line's import fills and the exports read.
QString importedStore(const StagePlace& place);
// The folder of the window stages: a program's folder, with its store beside the executable.
QString windowFolder(const StagePlace& place);
QString windowStore(const StagePlace& place);
// Replaces `target` with a copy of `source`, its journal gone, writable.
void copyStore(const QString& source, const QString& target);

// Ends the process with a message; the bench has nobody to hand a failure to.
[[noreturn]] void die(const QString& message);

} // namespace paluksen::bench
