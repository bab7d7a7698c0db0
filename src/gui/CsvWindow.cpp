#include "gui/CsvWindow.h"

#include <QDir>

namespace paluksen {

CsvWindow::CsvWindow(TaskContext& context)
    : TaskWindow(context, jobOfWindow(u"PalukF02"), {1890, 200, 800, 1200}),
      outputPath_(context.paths.output(job_.fileName))
{
    setStatus(QStringLiteral("グループ,名前,アドレス,会社名,部署名,役職\nの形式で、\n") + shownPath(outputPath_) +
              QStringLiteral("\nに出力します。"));
}

void CsvWindow::run()
{
    context_.paths.makeOutputDir();
    job_.exportTo(context_.store, OutputTarget::file(outputPath_), 0, context_.clock,
                  [this](const QString& status) { setStatus(status); });
    if (!context_.platform.shellOpen(this, outputPath_))
        context_.platform.messageBox(
            this,
            QStringLiteral("CSV ファイルを作成しました。\n") + QDir::toNativeSeparators(outputPath_) +
                QStringLiteral("\nテキストファイルを表示するプログラムが見つからないため、表示できませんでした。"),
            QStringLiteral("処理完了"), MessageStyle::Exclamation);
    close();
}

} // namespace paluksen
