#include "gui/VcardWindow.h"

#include <QDir>

namespace paluksen {

VcardWindow::VcardWindow(TaskContext& context)
    : TaskWindow(context, jobOfWindow(u"PalukF03"), {1890, 200, 800, 1200}),
      outputPath_(context.paths.output(job_.fileName))
{
    setStatus(shownPath(outputPath_) + QStringLiteral("\nに出力します。"));
}

void VcardWindow::run()
{
    context_.paths.makeOutputDir();
    job_.exportTo(context_.store, OutputTarget::file(outputPath_), 0, context_.clock,
                  [this](const QString& status) { setStatus(status); });
    context_.platform.messageBox(
        this,
        QStringLiteral("vCard ファイルを作成しました。\n") + QDir::toNativeSeparators(outputPath_) +
            QStringLiteral(
                "\nThunderbird のアドレス帳や Google コンタクトでは「インポート」でこのファイルを選んでください。"
                "\nスマートフォンにはメールに添付して送り、開くと取り込めます。"),
        QStringLiteral("処理完了"), MessageStyle::Information);
    close();
}

} // namespace paluksen
