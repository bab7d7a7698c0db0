#pragma once

#include "text/Cp932.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>

namespace paluksen {

// Where an export's lines go: a file, or the standard output of a batch run (for a pipe).
struct OutputTarget {
    static OutputTarget file(const QString& path) { return {path, false}; }
    static OutputTarget standardOutput() { return {QString(), true}; }
    QString path;
    bool toStandardOutput = false;
};

// How an output file's text is written: code page 932, which the old mail clients read, or
// UTF-8, which holds every character the store does.
enum class OutputEncoding { Cp932, Utf8 };

// Writes an output file line by line in the encoding chosen, CR LF after every line, no
// byte-order mark. The lines go to a temporary file beside the target, which replaces the target only on
// commit(); a writer destroyed without commit leaves the earlier file as it was and no
// temporary file behind, so a failed run never leaves a half-written address book.
// Two targets are written in place instead, as a shell's redirection would write them: one that
// is no plain file (a device, a named pipe), which a replacement would turn into a plain file,
// and an existing writable file in a folder that allows no temporary file (a shared
// installation). A run that fails there leaves what was written so far.
// Standard output takes the lines as they come: there is no earlier file to keep, so commit()
// only flushes, and a run that fails has already passed on what it wrote.
class LineWriter {
public:
    explicit LineWriter(const OutputTarget& target, OutputEncoding encoding = OutputEncoding::Cp932);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void writeLine(QStringView line);
    void commit();

private:
    void openFile(const QString& path);
    void openStandardOutput();
    void openInPlace(const QString& path);
    void flushBuffer();
    [[noreturn]] void fail(const QString& description);
    [[noreturn]] void fail(const QString& description, int systemNumber);

    QSaveFile replacement_;
    QFile inPlace_;
    QFileDevice* device_ = &replacement_;
    QString shownName_; // what a failure names where the device has no file name of its own
    OutputEncoding encoding_;
    cp932::Encoder encoder_;
    QByteArray buffer_;
};

} // namespace paluksen
