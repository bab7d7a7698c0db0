#include "shell/FailureReport.h"
#include "text/Failure.h"

#include <new>

namespace paluksen {
namespace {
constexpr int kOutOfMemoryNumber = 7;
}

QString failureReportText(const std::exception& failure)
{
    int number = 0;
    QString description = QStringLiteral("予期しないエラーが発生しました。");
    QString detail = QString::fromLocal8Bit(failure.what());
    if (const auto* known = dynamic_cast<const Failure*>(&failure)) {
        number = known->number();
        description = known->description();
        detail = known->detail();
    } else if (dynamic_cast<const std::bad_alloc*>(&failure)) {
        number = kOutOfMemoryNumber;
        description = QStringLiteral("メモリが不足しています。");
    }
    return QStringLiteral("エラーが発生したため、プログラムを終了します。\r\n") +
           QStringLiteral("エラー番号：%1\r\n").arg(number) + description + QStringLiteral("\r\n") +
           QString(detail).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

void reportFailure(Platform& platform, const std::exception& failure)
{
    platform.messageBox(nullptr, failureReportText(failure), QString::fromLatin1(kFailureTitle), kStyleStop);
    platform.endProgram(1);
}

} // namespace paluksen
