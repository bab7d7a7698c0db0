#include "text/LineWriter.h"
#include "text/Failure.h"

#include <cerrno>
#include <cstdio>
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace paluksen {
namespace {
constexpr qsizetype kFlushBytes = 64 * 1024;
}

LineWriter::LineWriter(const QString& path) : file_(path)
{
    // A shared installation may keep the folder read-only and leave the output files writable:
    // there the existing file is rewritten in place, since no temporary file can stand beside it.
    file_.setDirectWriteFallback(true);
    errno = 0;
    if (!file_.open(QIODevice::WriteOnly))
        fail(QStringLiteral("出力ファイルを作成できませんでした。"));
    buffer_.reserve(kFlushBytes + 4096);
}

LineWriter::LineWriter(StandardOutput) : device_(&standardOutput_)
{
#ifdef Q_OS_WIN
    // In text mode the C runtime would turn every LF into CR LF, and the CR LF lines into CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fflush(stdout);
    errno = 0;
    // Unbuffered: the lines are already gathered here, and a second buffer would only copy them.
    if (!standardOutput_.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(QStringLiteral("出力ファイルを作成できませんでした。"));
    buffer_.reserve(kFlushBytes + 4096);
}

LineWriter::~LineWriter()
{
    if (file_.isOpen())
        file_.cancelWriting();
}

void LineWriter::writeLine(QStringView line)
{
    encoder_.encode(line, buffer_);
    buffer_.append("\r\n", 2);
    if (buffer_.size() >= kFlushBytes)
        flushBuffer();
}

void LineWriter::flushBuffer()
{
    errno = 0;
    if (device_->write(buffer_) != buffer_.size())
        fail(QStringLiteral("出力ファイルに書き込めませんでした。"));
    buffer_.clear();
}

void LineWriter::commit()
{
    flushBuffer();
    if (device_ == &standardOutput_) {
        errno = 0;
        if (!standardOutput_.flush())
            fail(QStringLiteral("出力ファイルに書き込めませんでした。"));
        return;
    }
    errno = 0;
    if (!file_.commit())
        fail(QStringLiteral("出力ファイルを保存できませんでした。"));
}

void LineWriter::fail(const QString& description)
{
    if (device_ == &standardOutput_)
        throw FileFailure(systemErrorOr(static_cast<int>(standardOutput_.error())), description,
                          QStringLiteral("標準出力\n") + standardOutput_.errorString());
    const int number = systemErrorOr(static_cast<int>(file_.error()));
    const QString detail = file_.fileName() + QStringLiteral("\n") + file_.errorString();
    if (file_.isOpen())
        file_.cancelWriting();
    throw FileFailure(number, description, detail);
}

} // namespace paluksen
