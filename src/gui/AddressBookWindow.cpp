#include "gui/AddressBookWindow.h"
#include "gui/LayoutChoice.h"

namespace paluksen {

AddressBookWindow::AddressBookWindow(TaskContext& context, const Design& design)
    : TaskWindow(context, design.name, design.caption, 4680, 2190),
      layoutChoice_(addLayoutChoice(this, design.listCaption, design.listName, design.layouts)),
      outputPath_(context.paths.file(design.fileName)), completionMessage_(design.completionMessage)
{
    placeStatusLabel(300, 500, 4000, 800);
    placeRunButton(2500, 1500, 1800, 400);
    setStatus(shownPath(outputPath_) + QStringLiteral("\r\nに出力します。"));
}

void AddressBookWindow::run()
{
    const QChar layout = chosenLayout(layoutChoice_); // read once; the whole run uses it
    LineWriter out(outputPath_);
    write(out, layout);
    out.commit();
    context_.platform.messageBox(this, completionMessage_, QStringLiteral("処理完了"), MessageStyle::Information);
    close();
}

} // namespace paluksen
