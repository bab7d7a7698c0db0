#include "export/PalukF05.h"
#include "export/EdMaxWriter.h"
#include "export/LayoutChoice.h"

namespace paluksen {

PalukF05::PalukF05(TaskContext& context)
    : TaskWindow(context, QStringLiteral("PalukF05"), QStringLiteral("EdMax アドレス帳作成"), 4680, 2190),
      memoChoice_(addLayoutChoice(this, QStringLiteral("メモ欄の扱い"), QStringLiteral("メモ選択"),
                                  {QStringLiteral("1 会社名 [Tab] 部署名 [Tab] 役職"),
                                   QStringLiteral("2 会社名 [Tab] 部署名"), QStringLiteral("3 会社名 [Tab] 役職"),
                                   QStringLiteral("4 会社名"), QStringLiteral("5 会社名,部署名,役職"),
                                   QStringLiteral("6 会社名,部署名"), QStringLiteral("7 会社名,役職"),
                                   QStringLiteral("8 [出力なし]")})),
      outputPath_(context.pathInProgramDir(QStringLiteral("常用アドレス.adr")))
{
    placeStatusLabel(300, 500, 4000, 800);
    placeRunButton(2500, 1500, 1800, 400);
    setStatus(outputPath_ + QStringLiteral("\r\nに出力します。"));
}

void PalukF05::run()
{
    const QChar layout = chosenLayout(memoChoice_);
    LineWriter out(outputPath_);
    writeEdMax(context_.store, out, layout, [this](const QString& status) { setStatus(status); });
    out.commit();
    context_.platform.messageBox(this,
                                 QStringLiteral("EdMax用のアドレス帳(常用アドレス.adr)を作成しました。\r\n"
                                                "C:\\Program Files\\EdMax\\Address フォルダにコピーしてください。"),
                                 QStringLiteral("処理完了"), kStyleInformation);
    close();
}

} // namespace paluksen
