#include "gui/AddressBookWindow.h"
#include "gui/CsvWindow.h"
#include "gui/ImportWindow.h"
#include "gui/Program.h"

namespace paluksen {

void addTaskWindows(MainMenu& menu)
{
    menu.setTaskWindow(1, [](TaskContext& context) { return new ImportWindow(context); });
    menu.setTaskWindow(2, [](TaskContext& context) { return new CsvWindow(context); });
    menu.setTaskWindow(5, [](TaskContext& context) { return new AddressBookWindow(context, kEdMaxWindow); });
    menu.setTaskWindow(6, [](TaskContext& context) { return new AddressBookWindow(context, kTuruKameWindow); });
}

} // namespace paluksen
