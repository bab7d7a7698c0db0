#include "text/Failure.h"

#include <cerrno>

namespace paluksen {

Failure::Failure(int number, QString description, QString detail)
    : number_(number), description_(std::move(description)), detail_(std::move(detail)),
      what_((description_ + QStringLiteral(" (") + QString::number(number_) + QStringLiteral(") ") +
             detail_).toStdString())
{
}

int systemErrorOr(int fallback)
{
    return errno != 0 ? errno : fallback;
}

} // namespace paluksen
