#pragma once

#include <QDate>

namespace paluksen {

// Today's local date, for a caller that asks for every line it writes. QDate::currentDate()
// converts through the time zone each time, and glibc looks at /etc/localtime's file for that
// on every call: one system call per output line. This keeps the answer for as long as it
// cannot have changed: until the next local midnight (or if the clock is set back before the
// start of the day), and never longer than a second, so a change of the machine's time zone
// is seen as soon as it would have been seen a second later anyway.
class LocalToday {
public:
    QDate operator()();

private:
    QDate date_;
    qint64 validFrom_ = 0;  // milliseconds since the epoch, UTC
    qint64 validUntil_ = 0; // exclusive
};

} // namespace paluksen
