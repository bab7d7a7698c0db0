#include "export/LocalToday.h"

#include <QDateTime>

#include <algorithm>

namespace paluksen {
namespace {
constexpr qint64 kLongestKeptMs = 1000;
}

LocalToday::LocalToday(Clock now) : now_(std::move(now)) { }

const QString& LocalToday::text()
{
    // Reading the clock as UTC involves no time zone.
    const qint64 now = now_();
    if (!text_.isEmpty() && now >= validFrom_ && now < validUntil_)
        return text_;
    const QDate date = QDateTime::fromMSecsSinceEpoch(now).date();
    if (date != date_) {
        date_ = date;
        text_ = date.toString(u"yyyy/MM/dd");
    }
    validFrom_ = date.startOfDay().toMSecsSinceEpoch();
    validUntil_ = std::min(date.addDays(1).startOfDay().toMSecsSinceEpoch(), now + kLongestKeptMs);
    return text_;
}

} // namespace paluksen
