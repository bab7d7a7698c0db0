#include "text/Failure.h"

#include <cerrno>
#include <new>

namespace paluksen {

Failure::Failure(int number, QString description, QString detail)
    : number_(number), description_(std::move(description)), detail_(std::move(detail)),
      what_((description_ + QStringLiteral(" (") + QString::number(number_) + QStringLiteral(") ") +
             detail_).toStdString())
{
}

namespace {
constexpr int kOutOfMemoryNumber = 7;
}

int systemErrorOr(int fallback)
{
    return errno != 0 ? errno : fallback;
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
    return QStringLiteral("エラー番号：%1\r\n").arg(number) + description + QStringLiteral("\r\n") +
           QString(detail).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

} // namespace paluksen
