#pragma once

#include <QString>
#include <exception>
#include <string>

class QFileDevice;

namespace paluksen {

// A failure of the store or of a file. It rises untouched to the one place that reports it,
// carrying what the user is told (a number, a Japanese description, the file concerned) apart
// from what only a developer can read (the engine's own words, a statement's SQL text).
class Failure : public std::exception {
public:
    Failure(int number, QString description, QString detail, QString technical = {});

    int number() const noexcept { return number_; }
    // Japanese, for the user.
    const QString& description() const noexcept { return description_; }
    // For the user too: the file concerned and, where the system failed, its words in Japanese.
    const QString& detail() const noexcept { return detail_; }
    // Everything, the engine's words and the SQL included: for a developer's log, never a box.
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

// A failure of `file` (or of standard output, named so), told with the system's number for it
// (lastSystemError(), cleared before the call that failed). Where the system kept no number (Qt
// refused on its own), Qt's error code stands in.
[[noreturn]] void throwFileFailure(const QString& description, const QFileDevice& file, int systemNumber,
                                   const QString& shownName = {});

// A folder where a file should be: Qt refuses it without a word from the system, and in English.
[[noreturn]] void throwFolderFailure(const QString& description, const QString& path);

// What the user is told of any failure that ends a run: the error number, the Japanese
// description and the detail, one to a line. Both front ends say the same words, the windows in
// a stop box and the command line on standard error.
QString failureReportText(const std::exception& failure);

} // namespace paluksen
