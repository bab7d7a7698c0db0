#include "import/PalukF01.h"
#include "shell/Program.h"

namespace paluksen {

void addTaskWindows(PalukF00& menu)
{
    menu.setTaskWindow(1, [](TaskContext& context) { return new PalukF01(context); });
}

} // namespace paluksen
