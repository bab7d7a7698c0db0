#include "export/PalukF06.h"
#include "export/LayoutChoice.h"
#include "export/TuruKameWriter.h"

namespace paluksen {

PalukF06::PalukF06(TaskContext& context)
    : TaskWindow(context, QStringLiteral("PalukF06"), QStringLiteral("鶴亀アドレス帳作成"), 4680, 2190),
      remarksChoice_(addLayoutChoice(this, QStringLiteral("備考欄の扱い"), QStringLiteral("備考選択"),
                                     {QStringLiteral("1 会社名,部署名,役職"), QStringLiteral("2 会社名,部署名"),
                                      QStringLiteral("3 会社名,役職"), QStringLiteral("4 会社名"),
                                      QStringLiteral("5 [出力なし]")})),
      outputPath_(context.pathInProgramDir(QStringLiteral("AdrBook.txt")))
{
    placeStatusLabel(300, 500, 4000, 800);
    placeRunButton(2500, 1500, 1800, 400);
    setStatus(outputPath_ + QStringLiteral("\r\nに出力します。"));
}

void PalukF06::run()
{
    const QChar layout = chosenLayout(remarksChoice_);
    LineWriter out(outputPath_);
    writeTuruKame(
        context_.store, out, layout, [this] { return context_.platform.today(); },
        [this](const QString& status) { setStatus(status); });
    out.commit();
    context_.platform.messageBox(this,
                                 QStringLiteral("鶴亀用のアドレス帳(AdrBook.txt)を作成しました。\r\n"
                                                "C:\\TuruKameData フォルダにコピーしてください。"),
                                 QStringLiteral("処理完了"), kStyleInformation);
    close();
}

} // namespace paluksen
