#pragma once

#include "base/Jobs.h"
#include "base/ProgramPaths.h"
#include "text/LineWriter.h"

#include <QString>
#include <QStringList>

namespace paluksen::cli {

// One run of the command line, as the arguments ask for it. A path not given is the program's
// own: the store the windows open, the output file the window would write.
struct Command {
    const Job* job = nullptr;
    QString storePath;
    QString listingPath; // import only
    OutputTarget output; // exports only
    int layout = 0;      // the place in the job's layout list
    ProgramPaths paths;  // the program's own places, for a store or an output not given
    bool ownStore = false;
    bool ownOutput = false;
};

struct Arguments {
    enum class Kind { Run, Help, Version, Wrong } kind = Kind::Wrong;
    Command command;
    QString wrong; // one line naming the wrong argument, for Kind::Wrong
};

// Reads the arguments after the program's name and fills in the program's own paths. Changes
// nothing: an empty path (an unset variable in a script) and an output that is the store itself
// are wrong arguments, so that no mistake can reach the store.
Arguments parseArguments(const QStringList& arguments, const ProgramPaths& paths);

// The commands in brief, printed after a wrong argument.
QString usageText();
// The commands, the options, the layouts with their list texts and the exit codes.
QString helpText();

} // namespace paluksen::cli
