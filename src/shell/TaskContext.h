#pragma once

#include "shell/Platform.h"
#include "shell/WindowRegistry.h"
#include "store/Sqlite.h"

#include <QString>

namespace paluksen {

// What start-up holds for the life of the process and every window works with.
struct TaskContext {
    Platform& platform;
    store::Connection& store;
    QString programDir; // no trailing separator
    WindowRegistry& windows;

    // A file beside the executable.
    QString pathInProgramDir(const QString& fileName) const
    {
        return programDir + QStringLiteral("/") + fileName;
    }
};

} // namespace paluksen
