#pragma once

#include "cli/Arguments.h"

#include <QString>

namespace paluksen::cli {

enum ExitCode : int { kSuccess = 0, kFailure = 1, kWrongArgument = 2, kNoRecords = 3 };

struct Outcome {
    int exitCode = kSuccess;
    QString message; // for standard output on success, standard error otherwise; may be empty
};

// Runs one import or export through the same core call as its window. A store or file failure
// rises as its typed exception, after the transaction or the unfinished file has rolled back.
Outcome runCommand(const Command& command);

} // namespace paluksen::cli
