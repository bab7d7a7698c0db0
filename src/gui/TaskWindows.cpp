#include "gui/AddressBookWindow.h"
#include "gui/CsvWindow.h"
#include "gui/ImportWindow.h"
#include "gui/Program.h"
#include "gui/VcardWindow.h"

#include <QHash>

namespace paluksen {

void addTaskWindows(MainMenu& menu)
{
    // How each job's window looks, by the window's name; what the job is, is the table's.
    const QHash<QString, TaskWindowMaker> looks = {
        {u"PalukF01"_qs, [](TaskContext& context) { return new ImportWindow(context); }},
        {u"PalukF02"_qs, [](TaskContext& context) { return new CsvWindow(context); }},
        {u"PalukF03"_qs, [](TaskContext& context) { return new VcardWindow(context); }},
        {u"PalukF05"_qs, [](TaskContext& context) { return new AddressBookWindow(context, kEdMaxWindow); }},
        {u"PalukF06"_qs, [](TaskContext& context) { return new AddressBookWindow(context, kTuruKameWindow); }},
    };
    for (const Job& job : jobs())
        menu.setTaskWindow(job.button, looks.value(job.window));
}

} // namespace paluksen
