#include "export/PalukF02.h"
#include "export/CsvWriter.h"
#include "export/ShellOpen.h"

namespace paluksen {

PalukF02::PalukF02(TaskContext& context)
    : TaskWindow(context, QStringLiteral("PalukF02"), QStringLiteral("CSV 出力"), 4680, 1890),
      outputPath_(context.pathInProgramDir(objectName() + QStringLiteral(".txt")))
{
    placeStatusLabel(300, 200, 4000, 800);
    placeRunButton(2500, 1200, 1800, 400);
    setStatus(QStringLiteral("グループ,名前,アドレス,会社名,部署名,役職\r\nの形式で、\r\n") + outputPath_ +
              QStringLiteral("\r\nに出力します。"));
}

void PalukF02::run()
{
    LineWriter out(outputPath_);
    writeCsv(context_.store, out, [this](const QString& status) { setStatus(status); });
    out.commit();
    ShellOpen(context_.platform, this, outputPath_);
    close();
}

} // namespace paluksen
