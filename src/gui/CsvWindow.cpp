#include "gui/CsvWindow.h"

#include <QDir>

namespace paluksen {

CsvWindow::CsvWindow(TaskContext& context) : TaskWindow(context, jobOfWindow(u"PalukF02"), {1890, 200, 800, 1200})
{
    setStatus(QStringLiteral("グループ,名前,アドレス,会社名,部署名,役職\nの形式で、\n") + shownPath(outputPath()) +
              QStringLiteral("\nに出力します。"));
}

void CsvWindow::run()
{
    writeOutput(0);
    if (!context_.platform.shellOpen(this, outputPath()))
        context_.platform.messageBox(
            this,
            QStringLiteral("CSV ファイルを作成しました。\n") + QDir::toNativeSeparators(outputPath()) +
                QStringLiteral("\nテキストファイルを表示するプログラムが見つからないため、表示できませんでした。"),
            QStringLiteral("処理完了"), MessageStyle::Exclamation);
    close();
}

} // namespace paluksen
