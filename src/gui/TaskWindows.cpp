#include "gui/PalukF02.h"
#include "gui/PalukF05.h"
#include "gui/PalukF06.h"
#include "gui/PalukF01.h"
#include "gui/Program.h"

namespace paluksen {

void addTaskWindows(PalukF00& menu)
{
    menu.setTaskWindow(1, [](TaskContext& context) { return new PalukF01(context); });
    menu.setTaskWindow(2, [](TaskContext& context) { return new PalukF02(context); });
    menu.setTaskWindow(5, [](TaskContext& context) { return new PalukF05(context); });
    menu.setTaskWindow(6, [](TaskContext& context) { return new PalukF06(context); });
}

} // namespace paluksen
