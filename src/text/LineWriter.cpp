#include "text/LineWriter.h"
#include "text/Failure.h"

#include <cerrno>

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
    if (file_.write(buffer_) != buffer_.size())
        fail(QStringLiteral("出力ファイルに書き込めませんでした。"));
    buffer_.clear();
}

void LineWriter::commit()
{
    flushBuffer();
    errno = 0;
    if (!file_.commit())
        fail(QStringLiteral("出力ファイルを保存できませんでした。"));
}

void LineWriter::fail(const QString& description)
{
    const int number = systemErrorOr(static_cast<int>(file_.error()));
    const QString detail = file_.fileName() + QStringLiteral("\n") + file_.errorString();
    if (file_.isOpen())
        file_.cancelWriting();
    throw FileFailure(number, description, detail);
}

} // namespace paluksen
