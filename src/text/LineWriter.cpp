#include "text/LineWriter.h"
#include "text/Failure.h"

namespace paluksen {
namespace {
constexpr qsizetype kFlushBytes = 64 * 1024;
}

LineWriter::LineWriter(const QString& path) : file_(path)
{
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
    if (file_.write(buffer_) != buffer_.size())
        fail(QStringLiteral("出力ファイルに書き込めませんでした。"));
    buffer_.clear();
}

void LineWriter::commit()
{
    flushBuffer();
    if (!file_.commit())
        fail(QStringLiteral("出力ファイルを保存できませんでした。"));
}

void LineWriter::fail(const QString& description)
{
    const QString detail = file_.fileName() + QStringLiteral("\n") + file_.errorString();
    const int number = static_cast<int>(file_.error());
    if (file_.isOpen())
        file_.cancelWriting();
    throw FileFailure(number, description, detail);
}

} // namespace paluksen
