#pragma once

#include "Stopwatch.h"

#include <QString>

namespace paluksen::bench {

// Where one stage finds its input and leaves its output. Every stage runs in a process of its
// own, so the peak resident memory that process reports belongs to that stage alone.
struct StagePlace {
    QString dir;        // the run's temporary folder: the listing, the stores, the output files
    QString listing;    // the synthetic listing
    QString emptyStore; // the store file as shipped, copied before each use
};

struct StageResult {
    qint64 rows = 0;
    Lap time;
};

// The product's path and the bare SQLite limit it is measured against.
StageResult parseOnly(const StagePlace& place);
StageResult importListing(const StagePlace& place);
StageResult bareInsert(const StagePlace& place);

// These read the store that importListing filled.
StageResult bareRead(const StagePlace& place);
StageResult exportCsv(const StagePlace& place);
StageResult exportEdMax(const StagePlace& place);
StageResult exportTuruKame(const StagePlace& place);

// The store file the import fills and the exports read.
QString importedStore(const StagePlace& place);
// A fresh copy of the shipped store under a name of its own.
QString freshStore(const StagePlace& place, const QString& name);

// Ends the process with a message; the bench has nobody to hand a failure to.
[[noreturn]] void die(const QString& message);

} // namespace paluksen::bench
