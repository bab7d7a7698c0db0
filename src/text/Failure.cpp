#include "text/Failure.h"

namespace paluksen {

Failure::Failure(int number, QString description, QString detail)
    : number_(number), description_(std::move(description)), detail_(std::move(detail)),
      what_((description_ + QStringLiteral(" (") + QString::number(number_) + QStringLiteral(") ") +
             detail_).toStdString())
{
}

} // namespace paluksen
