#include "import/ImportOutcome.h"

namespace paluksen {

QString importOutcomeText(const ParseResult& result)
{
    switch (result.outcome) {
    case ParseOutcome::NoLines:
        return QStringLiteral("入力レコードがありませんでした。");
    case ParseOutcome::OneLine:
        return QStringLiteral("入力レコードが1件しかありませんでした。");
    case ParseOutcome::Completed:
        break;
    }
    // The count keeps the leading space where the sign of the number would stand.
    return QStringLiteral(" %1 行のデータを読み込みました。").arg(result.lineCount);
}

} // namespace paluksen
