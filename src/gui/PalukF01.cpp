#include "gui/PalukF01.h"
#include "import/ImportOutcome.h"
#include "import/ListingImport.h"

namespace paluksen {

PalukF01::PalukF01(TaskContext& context)
    : TaskWindow(context, QStringLiteral("PalukF01"), QStringLiteral("アドレス帳データを取り込み"), 4680, 1890)
{
    placeStatusLabel(300, 300, 4000, 600);
    placeRunButton(2500, 1200, 1800, 400);
}

void PalukF01::run()
{
    Platform& platform = context_.platform;
    setStatus(QStringLiteral("実行確認"));
    const MessageAnswer answer = platform.messageBox(
        this, QStringLiteral("この処理を行うと、今までのデータはクリアされます。\r\n実行しますか？"),
        QStringLiteral("実行の確認"), MessageStyle::Question);
    if (answer == MessageAnswer::No) {
        close();
        return;
    }

    setStatus(QStringLiteral("入力ファイル指定"));
    const QString path = platform.openFileDialog(this, QStringLiteral("入力ファイルを指定してください。"),
                                                 QStringLiteral("テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*"));
    if (path.isEmpty()) {
        platform.messageBox(this, QStringLiteral("入力ファイルが指定されていません。\r\n処理をキャンセルします。"),
                            QStringLiteral("処理中断"), MessageStyle::Exclamation);
        close();
        return;
    }

    const ParseResult result = importListing(context_.store, path, [&](ImportStage stage) {
        setStatus(stage == ImportStage::Clearing ? QStringLiteral("データクリア")
                                                 : shownPath(path) + QStringLiteral("\r\nから読み込み"));
    });
    tellOutcome(result);
    close();
}

void PalukF01::tellOutcome(const ParseResult& result)
{
    const QString text = importOutcomeText(result);
    switch (result.outcome) {
    case ParseOutcome::NoLines:
        context_.platform.messageBox(this, text, QStringLiteral("入力レコードなし"), MessageStyle::Exclamation);
        break;
    case ParseOutcome::OneLine:
        context_.platform.messageBox(this, text, QStringLiteral("入力レコード異常"), MessageStyle::Exclamation);
        break;
    case ParseOutcome::Completed:
        context_.platform.messageBox(this, text, QStringLiteral("正常終了"), MessageStyle::Information);
        break;
    }
}

} // namespace paluksen
