#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <functional>

namespace paluksen {

// Today's local date as the TuruKame book writes it (yyyy/MM/dd), for a caller that asks for
// every line it writes, so that a run over midnight dates its later lines with the new day.
// QDate::currentDate() converts through the time zone each time, and glibc looks at
// /etc/localtime's file for that on every call: one system call per output line. This keeps the
// answer for as long as it cannot have changed: until the next local midnight (or if the clock
// is set back before the start of the day), and never longer than a second, so a change of the
// machine's time zone is seen as soon as it would have been seen a second later anyway.
class LocalToday {
public:
    // Milliseconds since the epoch, UTC; replaceable so that a test can cross midnight.
    using Clock = std::function<qint64()>;

    explicit LocalToday(Clock now = &QDateTime::currentMSecsSinceEpoch);
    const QString& text();

private:
    Clock now_;
    QDate date_;
    QString text_;
    qint64 validFrom_ = 0;  // milliseconds since the epoch, UTC
    qint64 validUntil_ = 0; // exclusive
};

} // namespace paluksen
