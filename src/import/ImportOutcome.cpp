#include "import/ImportOutcome.h"

namespace paluksen {

QString importOutcomeText(const ParseResult& result)
{
    // Such a listing is taken for a wrong choice of file: the import rolls back.
    const QString kept = QStringLiteral("\n今までのデータはそのまま残っています。");
    switch (result.outcome) {
    case ParseOutcome::NoLines:
        return QStringLiteral("入力レコードがありませんでした。") + kept;
    case ParseOutcome::OneLine:
        return QStringLiteral("入力レコードが1件しかありませんでした。") + kept;
    case ParseOutcome::Completed:
        break;
    }
    // The count keeps the leading space where the sign of the number would stand.
    return QStringLiteral(" %1 行のデータを読み込みました。").arg(result.lineCount);
}

} // namespace paluksen
