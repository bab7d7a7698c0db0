#include "export/LocalToday.h"

#include <QDateTime>
#include <QTime>

#include <algorithm>

namespace paluksen {
namespace {
constexpr qint64 kLongestKeptMs = 1000;
}

QDate LocalToday::operator()()
{
    // Reading the clock as UTC involves no time zone.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (date_.isValid() && now >= validFrom_ && now < validUntil_)
        return date_;
    date_ = QDate::currentDate();
    validFrom_ = QDateTime(date_, QTime(0, 0)).toMSecsSinceEpoch();
    validUntil_ = std::min(QDateTime(date_.addDays(1), QTime(0, 0)).toMSecsSinceEpoch(), now + kLongestKeptMs);
    return date_;
}

} // namespace paluksen
