#include "text/LineWriter.h"
#include "base/Failure.h"
#include "base/FileInUse.h"
#include "base/SystemError.h"

#include <QFileInfo>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace paluksen {
namespace {
constexpr qsizetype kFlushBytes = 64 * 1024;
}

LineWriter::LineWriter(const OutputTarget& target, OutputEncoding encoding) : encoding_(encoding)
{
    buffer_.reserve(kFlushBytes + 4096);
    if (target.toStandardOutput)
        openStandardOutput();
    else
        openFile(target.path);
}

void LineWriter::openFile(const QString& path)
{
    const QFileInfo target(path);
    if (target.isDir())
        throwFolderFailure(QStringLiteral("出力ファイルを作成できませんでした。"), path);
    if (target.exists() && !target.isFile()) {
        openInPlace(path);
        return;
    }
    replacement_.setFileName(path);
    clearSystemError();
    if (replacement_.open(QIODevice::WriteOnly))
        return;
    // The temporary file's refusal is the cause to tell: the checks below would replace its number.
    const int number = lastSystemError();
    // A shared installation may keep the folder read-only and leave the output files writable:
    // there the existing file is rewritten in place, since no temporary file can stand beside it.
    if (target.isFile()) {
        openInPlace(path);
        return;
    }
    fail(QStringLiteral("出力ファイルを作成できませんでした。"), number);
}

void LineWriter::openInPlace(const QString& path)
{
    device_ = &inPlace_;
    inPlace_.setFileName(path);
    clearSystemError();
    // Unbuffered: the lines are already gathered here, and each write's failure is seen at once.
    if (!inPlace_.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(QStringLiteral("出力ファイルを作成できませんでした。"));
}

void LineWriter::openStandardOutput()
{
    device_ = &inPlace_;
    shownName_ = QStringLiteral("標準出力");
#ifdef Q_OS_WIN
    // In text mode the C runtime would turn every LF into CR LF, and the CR LF lines into CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fflush(stdout);
    clearSystemError();
    if (!inPlace_.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(QStringLiteral("出力ファイルを作成できませんでした。"));
}

LineWriter::~LineWriter()
{
    if (replacement_.isOpen())
        replacement_.cancelWriting();
}

void LineWriter::writeLine(QStringView line)
{
    if (encoding_ == OutputEncoding::Utf8)
        buffer_ += line.toUtf8();
    else
        encoder_.encode(line, buffer_);
    buffer_.append("\r\n", 2);
    if (buffer_.size() >= kFlushBytes)
        flushBuffer();
}

void LineWriter::flushBuffer()
{
    clearSystemError();
    if (device_->write(buffer_) != buffer_.size())
        fail(QStringLiteral("出力ファイルに書き込めませんでした。"));
    buffer_.clear();
}

void LineWriter::commit()
{
    flushBuffer();
    clearSystemError();
    if (device_ == &replacement_) {
        if (isHeldByAnotherProgram(replacement_.fileName()) || !replacement_.commit())
            fail(QStringLiteral("出力ファイルを保存できませんでした。"));
        return;
    }
    // Whatever the system still holds back fails here at the latest (a full disk, a closed pipe).
    inPlace_.close();
    if (inPlace_.error() != QFileDevice::NoError)
        fail(QStringLiteral("出力ファイルに書き込めませんでした。"));
}

void LineWriter::fail(const QString& description)
{
    fail(description, lastSystemError()); // before cancelling calls the system again
}

void LineWriter::fail(const QString& description, int number)
{
    if (replacement_.isOpen())
        replacement_.cancelWriting();
    throwFileFailure(description, *device_, number, shownName_);
}

} // namespace paluksen
