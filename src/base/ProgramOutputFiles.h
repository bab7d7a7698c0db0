#pragma once

#include "base/ProgramPaths.h"

#include <QStringList>

namespace paluksen {

// The files the program's exports write beside it, the one list an import checks a listing against.
QStringList programOutputFiles(const ProgramPaths& paths);

} // namespace paluksen
