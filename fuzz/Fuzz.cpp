// Two fuzz targets from one file. paluksen_fuzz_parse reads and parses each input as the import
// does, and once more in the encoding its first byte names (detection hardly ever picks UTF-16
// for mutated bytes). paluksen_fuzz_data_path also imports it into a fresh store and writes every
// address book. A broken invariant aborts, which libFuzzer reports and keeps the input for.
#include "base/Failure.h"
#include "base/Jobs.h"
#include "import/ListingImport.h"
#include "store/AddressStore.h"
#include "text/LineReader.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace paluksen;

namespace {

using Rows = QList<QList<store::NullableText>>;

void require(bool holds, const char* invariant)
{
    if (!holds)
        std::fprintf(stderr, "invariant broken: %s\n", invariant), std::abort();
}

QString tempPath(const char* name)
{
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(name));
}

struct Recorder : AddressSink, GroupSink {
    void append(const AddressEntry& e) override
    {
        addresses.append({e.name, e.address, e.company, e.department, e.title});
    }
    void append(const GroupMembership& m) override { memberships.append({m.group, m.name, m.address}); }
    Rows addresses, memberships;
};

// What the bytes alone tell of a file: its lines, whether one is not blank and whether it holds
// U+0000. A file holding a CR ends its lines at CR LF or a lone CR, one without at LF; whatever
// follows the last end (half a code unit included) is one more line. CR, LF and U+0000 are one
// code unit in every encoding the reader knows, and a broken character never swallows one, so no
// decoder is needed.
struct Shape {
    qint64 lines;
    bool text;
    bool nul;
};
Shape shapeOf(QByteArrayView bytes, TextEncoding encoding, bool markSkipped)
{
    const bool wide = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
    const qsizetype unit = wide ? 2 : 1, low = encoding == TextEncoding::Utf16BE ? 1 : 0;
    qsizetype at = !markSkipped                                                         ? 0
                   : wide                                                               ? 2
                   : encoding == TextEncoding::Utf8 && bytes.startsWith("\xEF\xBB\xBF") ? 3
                                                                                        : 0;
    QByteArray units; // a byte for each code unit: the unit where it is below 0x100, else 'x'
    for (; at + unit <= bytes.size(); at += unit)
        units += wide && bytes[at + 1 - low] != 0 ? 'x' : bytes[at + low];
    const char end = units.contains('\r') ? '\r' : '\n';
    qint64 lines = 0;
    bool open = false, afterCr = false, text = false;
    for (const char c : units) {
        open = !(c == end || (c == '\n' && afterCr));
        text = text || open;
        lines += c == end;
        afterCr = c == '\r';
    }
    return {lines + (open || at < bytes.size() ? 1 : 0), text || at < bytes.size(), units.contains('\0')};
}

// Every line read, the outcome agreeing with the count and the blank lines, every value well-formed
// text; a file holding U+0000 refused, and no other. None for a refused file, no rows for one the
// import does not keep.
std::optional<Recorder> parseAndCheck(const QString& path, QByteArrayView bytes,
                                      std::optional<TextEncoding> forced = {})
{
    std::optional<LineReader> reader;
    forced ? reader.emplace(path, *forced) : reader.emplace(path);
    const Shape shape = shapeOf(bytes, reader->encoding(), !forced);
    Recorder rows;
    ParseResult result;
    try {
        result = parseListing(*reader, rows, rows);
    } catch (const FileFailure&) {
        require(shape.nul, "only a file holding U+0000 is refused");
        return std::nullopt;
    }
    require(!shape.nul, "a file holding U+0000 is refused");
    require(result.lineCount == shape.lines, "the parser reads every line the file holds");
    require(result.outcome == (result.lineCount <= 1 ? ParseOutcome(result.lineCount)
                               : shape.text          ? ParseOutcome::Completed
                                                     : ParseOutcome::NoLines),
            "the outcome agrees with the number of lines and their text");
    for (const Rows& table : {rows.addresses, rows.memberships})
        for (const auto& row : table)
            for (const store::NullableText& value : row)
                require(!value || QStringView(*value).isValidUtf16(), "every value is well-formed text");
    return result.outcome == ParseOutcome::Completed ? rows : Recorder{};
}

#ifdef PALUKSEN_SCHEMA_SQL
// The store gives back exactly the rows handed over, and no export fails on them.
void throughTheStore(const QString& path, const Recorder& parsed)
{
    static const QString schema = [] { // read once, not for every input
        QFile file(QStringLiteral(PALUKSEN_SCHEMA_SQL));
        require(file.open(QIODevice::ReadOnly), "the schema can be read");
        return QString::fromUtf8(file.readAll());
    }();
    store::Connection store = store::Connection::openOrCreate(QStringLiteral(":memory:"));
    store::createSchema(store, schema);
    importListing(store, path);
    const auto stored = [&](const QString& table, const QStringList& columns) {
        Rows rows;
        for (store::Cursor row(store,
                               QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(store::quoted(columns), table));
             !row.atEnd(); row.next())
            for (int column = 0; column < columns.size(); ++column)
                (column ? rows.last() : rows.emplace_back()).append(row.value(column));
        return rows;
    };
    require(stored(store::sql::kAddressTable, store::sql::kAddressColumns) == parsed.addresses &&
                stored(store::sql::kGroupTable, store::sql::kGroupColumns) == parsed.memberships,
            "the store gives back exactly the rows it was handed");

    // Every address book is written from what the store holds; the golden files check the bytes.
    // A fixed day keeps a run repeatable, as libFuzzer needs.
    const auto day = [] { return QDateTime(QDate(2024, 2, 29), QTime(12, 0)).toMSecsSinceEpoch(); };
    const OutputTarget out = OutputTarget::file(tempPath("out.txt"));
    for (const Job& job : jobs())
        for (std::size_t layout = 0; job.exportTo && layout < (job.layouts ? job.layouts->entries.size() : 1); ++layout)
            job.exportTo(store, out, static_cast<int>(layout), day, {});
}
#endif

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QString path = tempPath("listing.txt");
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                file.write(bytes.data(), bytes.size()) == bytes.size(),
            "the listing can be written");
    file.close();
    const std::optional<Recorder> parsed = parseAndCheck(path, bytes);
#ifdef PALUKSEN_SCHEMA_SQL
    if (!parsed)
        return 0;
    try {
        throughTheStore(path, *parsed);
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        require(false, "the data path throws no failure");
    }
#else
    constexpr TextEncoding kEncodings[] = {TextEncoding::Cp932, TextEncoding::Utf8, TextEncoding::Utf16LE,
                                           TextEncoding::Utf16BE};
    if (size > 0)
        parseAndCheck(path, bytes, kEncodings[data[0] % 4]);
#endif
    return 0;
}
