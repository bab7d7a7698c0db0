#pragma once

#include "base/ProgramPaths.h"
#include "export/LocalToday.h"
#include "gui/Platform.h"
#include "gui/WindowRegistry.h"
#include "store/Sqlite.h"

#include <QDateTime>

namespace paluksen {

// What start-up holds for the life of the process and every window works with.
struct TaskContext {
    Platform& platform;
    store::Connection& store;
    ProgramPaths paths;
    WindowRegistry& windows;
    LocalToday::Clock clock = &QDateTime::currentMSecsSinceEpoch;
};

} // namespace paluksen
