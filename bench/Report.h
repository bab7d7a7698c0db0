#pragma once

#include "ChildStage.h"
#include "SyntheticListing.h"

#include <QString>

#include <map>
#include <vector>

namespace paluksen::bench {

// Two stages run one right after the other in each round, and how the second compares with the
// first: its time over the first's.
struct Pair {
    const char* what;
    QString first;  // the yardstick
    QString second; // the stage judged against it
    double target;
};

// What one listing size measured: every run of every stage, and each pair's ratios, one a round.
struct SizeRun {
    ListingShape shape;
    std::map<QString, std::vector<Measured>> runs;
    std::map<const Pair*, std::vector<double>> wallRatios, processorRatios;
};

// The stage table and each pair's ratios, the median of the rounds judged against its target;
// true when every target is met. The targets hold for the full-size listing; at the small size
// a stage takes a few hundredths of a second, where another program's moment of work shows more
// than the program's own, so there the ratios are shown without a verdict.
bool printSpeed(const SizeRun& run, const std::vector<Pair>& pairs, bool judged);

// Peak resident memory of the command line's import and exports at the small size against the
// large one.
bool printMemory(const SizeRun& small, const SizeRun& large);

} // namespace paluksen::bench
