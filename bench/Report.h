#pragma once

#include "ChildStage.h"
#include "SyntheticListing.h"

#include <QString>

namespace paluksen::bench {

// What one listing size measured, best of the repeats for each stage.
struct SizeRun {
    ListingShape shape;
    Measured parse, bareInsert, import, bareRead, csv, edMax, turuKame;
};

// The stage table and the speed ratios with their targets; true when every target is met. The
// targets hold for the full-size listing; at the small size a stage takes a few hundredths of a
// second, where another program's moment of work shows more than the program's own, so there
// the ratios are shown without a verdict.
bool printSpeed(const SizeRun& run, bool judged);

// Peak resident memory of the import and each export at the small size against the large one.
bool printMemory(const SizeRun& small, const SizeRun& large);

} // namespace paluksen::bench
