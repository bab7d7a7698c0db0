#pragma once

#include <QString>
#include <exception>
#include <string>

namespace paluksen {

// A failure of the store or of a file. It rises untouched to the one place that reports it;
// the number and the engine's or system's own message travel with it for that report.
class Failure : public std::exception {
public:
    Failure(int number, QString description, QString detail);

    int number() const noexcept { return number_; }
    // Japanese, for the user.
    const QString& description() const noexcept { return description_; }
    // The engine's or the system's own words, with the path or statement concerned.
    const QString& detail() const noexcept { return detail_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    int number_;
    QString description_;
    QString detail_;
    std::string what_;
};

class StoreFailure : public Failure {
public:
    using Failure::Failure;
};

class FileFailure : public Failure {
public:
    using Failure::Failure;
};

// The system's own number for a file failure (errno, cleared before the call that failed), so
// the user sees "2" for a missing file rather than the library's coarser code.
int systemErrorOr(int fallback);

// What the user is told of any failure that ends a run: the error number, the Japanese
// description and the engine's or system's own words, one to a line (CR LF). Both front ends
// say the same words, the windows in a stop box and the command line on standard error.
QString failureReportText(const std::exception& failure);

} // namespace paluksen
