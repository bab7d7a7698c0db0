#pragma once

#include "base/ProgramPaths.h"
#include "store/Sqlite.h"

namespace paluksen::store {

// Opens the program's own store. Installed, that is the user's copy, made from the supplied
// store on the first start; the supplied one is only read. A store that cannot be opened is
// reported with how to start afresh.
Connection openProgramStore(const ProgramPaths& paths);

} // namespace paluksen::store
