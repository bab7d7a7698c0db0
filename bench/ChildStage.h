#pragma once

#include "Stages.h"

#include <QString>

namespace paluksen::bench {

struct Measured {
    qint64 rows = 0;
    double seconds = 0;
    double processorSeconds = 0;
    qint64 peakKiB = 0; // VmHWM of the process that ran the stage, all of its life
};

// Runs one stage in a new process of this program (so each stage's peak memory is its own)
// and reads back what it measured.
Measured runInChild(const QString& stage, const StagePlace& place);

// The child's side: runs the stage named on the command line, prints the one result line.
int childMain(const QString& stage, const StagePlace& place);

} // namespace paluksen::bench
