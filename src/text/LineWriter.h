#pragma once

#include "text/Cp932.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

namespace paluksen {

// Writes an output file line by line in code page 932, CR LF after every line, no byte-order
// mark. The lines go to a temporary file beside the target, which replaces the target only on
// commit(); a writer destroyed without commit leaves the earlier file as it was and no
// temporary file behind, so a failed run never leaves a half-written address book. Where the
// folder allows no temporary file but the target exists and is writable, the target itself is
// written: then a failed run leaves what was written so far.
class LineWriter {
public:
    explicit LineWriter(const QString& path);
    // Writes to standard output as the lines come, for a pipe: there is no earlier file to keep,
    // so commit() only flushes, and a run that fails has already passed on what it wrote.
    struct StandardOutput {};
    explicit LineWriter(StandardOutput);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void writeLine(QStringView line);
    void commit();

private:
    void flushBuffer();
    [[noreturn]] void fail(const QString& description);

    QSaveFile file_;
    QFile standardOutput_;
    QIODevice* device_ = &file_;
    cp932::Encoder encoder_;
    QByteArray buffer_;
};

} // namespace paluksen
