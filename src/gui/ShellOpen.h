#pragma once

#include "gui/Platform.h"

namespace paluksen {

// Hands a written file to the desktop to be shown in the program registered for it, maximized
// where the platform can; returns at once and reports nothing, whatever the desktop makes of it.
inline void ShellOpen(Platform& platform, QWidget* owner, const QString& path)
{
    platform.shellOpen(owner, path);
}

} // namespace paluksen
