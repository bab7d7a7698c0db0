#include "gui/PalukF02.h"
#include "export/CsvWriter.h"
#include "export/OutputFiles.h"

#include <QDir>

namespace paluksen {

PalukF02::PalukF02(TaskContext& context)
    : TaskWindow(context, QStringLiteral("PalukF02"), QStringLiteral("CSV 出力"), 4680, 1890),
      outputPath_(context.paths.file(kCsvFileName))
{
    placeStatusLabel(300, 200, 4000, 800);
    placeRunButton(2500, 1200, 1800, 400);
    setStatus(QStringLiteral("グループ,名前,アドレス,会社名,部署名,役職\r\nの形式で、\r\n") + shownPath(outputPath_) +
              QStringLiteral("\r\nに出力します。"));
}

void PalukF02::run()
{
    store::Cursor rows = openCsvRows(context_.store);
    setStatus(QStringLiteral("出力中"));
    LineWriter out(outputPath_);
    writeCsv(rows, out);
    out.commit();
    if (!context_.platform.shellOpen(this, outputPath_))
        context_.platform.messageBox(this,
                                     QStringLiteral("CSV ファイルを作成しました。\r\n") + QDir::toNativeSeparators(outputPath_) +
                                         QStringLiteral("\r\nテキストファイルを表示するプログラムが見つからないため、表示できませんでした。"),
                                     QStringLiteral("処理完了"), MessageStyle::Exclamation);
    close();
}

} // namespace paluksen
