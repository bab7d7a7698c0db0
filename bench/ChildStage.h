#pragma once

#include "Stages.h"

#include <QString>
#include <QStringList>

namespace paluksen::bench {

struct Measured {
    double seconds = 0;
    double processorSeconds = 0;
    qint64 peakKiB = 0; // of the process that ran the stage, all of its life
};

// Runs one of this program's own stages in a new process (so each stage's peak memory is its
// own) and reads back what the stage measured of itself.
Measured runInChild(const QString& stage, const StagePlace& place);

// Runs another program to its end, timed from outside as a user at a shell would time it: from
// starting it to its exit, with the processor time and peak memory the system accounts to it.
// Standard input comes from `input` and standard output goes to `output` (empty: /dev/null).
Measured runProgram(const QStringList& arguments, const QString& input, const QString& output);

// The child's side: runs the stage named on the command line, prints the one result line.
int childMain(const QString& stage, const StagePlace& place);

} // namespace paluksen::bench
