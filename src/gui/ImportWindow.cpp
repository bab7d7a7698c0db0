#include "gui/ImportWindow.h"
#include "base/Jobs.h"
#include "import/ImportOutcome.h"
#include "import/ListingImport.h"

namespace paluksen {

ImportWindow::ImportWindow(TaskContext& context) : TaskWindow(context, jobOfWindow(u"PalukF01"), {1890, 300, 600, 1200})
{
}

void ImportWindow::run()
{
    Platform& platform = context_.platform;
    setStatus(QStringLiteral("実行確認"));
    const MessageAnswer answer =
        platform.messageBox(this, QStringLiteral("この処理を行うと、今までのデータはクリアされます。\n実行しますか？"),
                            QStringLiteral("実行の確認"), MessageStyle::Question);
    if (answer == MessageAnswer::No) {
        close();
        return;
    }

    setStatus(QStringLiteral("入力ファイル指定"));
    const QString path =
        platform.openFileDialog(this, QStringLiteral("入力ファイルを指定してください。"),
                                QStringLiteral("テキスト ファイル (*.txt)|*.txt|すべてのファイル (*.*)|*.*"));
    if (path.isEmpty()) {
        platform.messageBox(this, QStringLiteral("入力ファイルが指定されていません。\n処理をキャンセルします。"),
                            QStringLiteral("処理中断"), MessageStyle::Exclamation);
        close();
        return;
    }

    const ParseResult result =
        importListing(context_.store, path, programOutputFiles(context_.paths), [&](ImportStage stage) {
            setStatus(stage == ImportStage::Clearing ? QStringLiteral("データクリア")
                                                     : shownPath(path) + QStringLiteral("\nから読み込み"));
        });
    tellOutcome(result);
    close();
}

void ImportWindow::tellOutcome(const ParseResult& result)
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
