#include "gui/VcardWindow.h"

#include <QDir>

namespace paluksen {

VcardWindow::VcardWindow(TaskContext& context) : TaskWindow(context, jobOfWindow(u"PalukF03"), {1890, 200, 800, 1200})
{
    setStatus(shownPath(outputPath()) + QStringLiteral("\nに出力します。"));
}

void VcardWindow::run()
{
    writeOutput(0);
    context_.platform.messageBox(
        this,
        QStringLiteral("vCard ファイルを作成しました。\n") + QDir::toNativeSeparators(outputPath()) +
            QStringLiteral(
                "\nThunderbird のアドレス帳や Google コンタクトでは「インポート」でこのファイルを選んでください。"
                "\nスマートフォンにはメールに添付して送り、開くと取り込めます。"),
        QStringLiteral("処理完了"), MessageStyle::Information);
    close();
}

} // namespace paluksen
