#include "shell/Program.h"

namespace paluksen {

void addTaskWindows(PalukF00& menu)
{
    Q_UNUSED(menu);
}

} // namespace paluksen
