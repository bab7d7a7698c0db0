#include "Fuzz.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace paluksen::fuzz {
namespace {

struct Recorder : AddressSink, GroupSink {
    void append(const AddressEntry& e) override { rows.addresses.append({e.name, e.address, e.company, e.department, e.title}); }
    void append(const GroupMembership& m) override { rows.memberships.append({m.group, m.name, m.address}); }
    Parsed rows;
};

// Lines as the bytes alone tell them: a line ends at CR LF or a lone CR, and whatever follows the
// last end (half a code unit included) is one more line. CR and LF are one code unit in every
// encoding the reader knows, and a broken character never swallows one, so no decoder is needed.
qint64 linesIn(QByteArrayView bytes, TextEncoding encoding, qsizetype markBytes)
{
    const bool wide = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
    const qsizetype unit = wide ? 2 : 1;
    const qsizetype low = encoding == TextEncoding::Utf16BE ? 1 : 0;
    qint64 lines = 0;
    bool open = false;
    bool afterCr = false;
    qsizetype at = markBytes;
    for (; at + unit <= bytes.size(); at += unit) {
        const char c = wide && bytes[at + 1 - low] != 0 ? 'x' : bytes[at + low];
        open = !(c == '\r' || (c == '\n' && afterCr));
        lines += c == '\r';
        afterCr = c == '\r';
    }
    return lines + (open || at < bytes.size() ? 1 : 0);
}

qsizetype markOf(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE)
        return 2;
    return encoding == TextEncoding::Utf8 && bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
}

bool wellFormed(const QList<Row>& rows)
{
    for (const Row& row : rows)
        for (const store::Text& value : row)
            if (value && !QStringView(*value).isValidUtf16())
                return false;
    return true;
}

} // namespace

void require(bool holds, const char* invariant, const QString& detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n%s\n", invariant, detail.toUtf8().constData());
    std::abort();
}

QString listingFile(QByteArrayView bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("listing.txt"));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes.data(), bytes.size()) == bytes.size(),
            "the listing can be written", path);
    return path;
}

Parsed parseAndCheck(const QString& path, QByteArrayView bytes, std::optional<TextEncoding> forced)
{
    std::optional<LineReader> opened;
    if (forced)
        opened.emplace(path, *forced);
    else
        opened.emplace(path);
    LineReader& reader = *opened;
    Recorder recorder;
    recorder.rows.result = parseListing(reader, recorder, recorder);
    const qint64 count = recorder.rows.result.lineCount;
    const QString detail = QStringLiteral("encoding %1%2, %3 lines")
                               .arg(static_cast<int>(reader.encoding()))
                               .arg(forced ? QStringLiteral(" (forced)") : QString())
                               .arg(count);
    // A forced encoding reads a mark as text; a detected one skips it.
    const qsizetype mark = forced ? 0 : markOf(bytes, reader.encoding());
    require(count == linesIn(bytes, reader.encoding(), mark), "the parser reads every line the file holds", detail);
    require(recorder.rows.result.outcome == (count == 0   ? ParseOutcome::NoLines
                                             : count == 1 ? ParseOutcome::OneLine
                                                          : ParseOutcome::Completed),
            "the outcome agrees with the number of lines", detail);
    require(wellFormed(recorder.rows.addresses) && wellFormed(recorder.rows.memberships),
            "every value is well-formed text", detail);
    return recorder.rows;
}

} // namespace paluksen::fuzz
