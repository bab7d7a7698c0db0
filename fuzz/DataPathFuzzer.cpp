// The whole way a user's listing goes: imported into a fresh store made from the shipped schema,
// then written out as every address book. The store must give back exactly the rows the parser
// handed over, and every file must be whole code page 932 lines.
#include "Fuzz.h"

#include "export/CsvWriter.h"
#include "export/EdMaxWriter.h"
#include "export/TuruKameWriter.h"
#include "import/ListingImport.h"
#include "store/AddressStore.h"
#include "text/Cp932.h"
#include "text/Failure.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>

using namespace paluksen;

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    fuzz::require(file.open(QIODevice::ReadOnly), "the schema can be read", path);
    return QString::fromUtf8(file.readAll());
}

qint64 count(store::Connection& store, const QString& query)
{
    return store::Cursor(store, QStringLiteral("SELECT count(*) FROM (%1)").arg(query)).text(0).toLongLong();
}

void checkStored(store::Connection& store, const QString& table, const QStringList& columns,
                 const QList<fuzz::Row>& rows)
{
    store::Cursor stored(store, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid").arg(store::quoted(columns), table));
    for (const fuzz::Row& row : rows) {
        fuzz::require(!stored.atEnd(), "every row handed over is stored", table);
        for (int column = 0; column < row.size(); ++column)
            fuzz::require(stored.value(column) == row[column], "the store gives back what it was given",
                          QStringLiteral("%1 column %2: %3").arg(table).arg(column).arg(row[column].value_or(u"Null"_qs)));
        stored.next();
    }
    fuzz::require(stored.atEnd(), "the store holds no row that was not handed over", table);
}

// Stored text holds no CR (the reader ends a line there) and no two-byte character of code page
// 932 ends in 0x0D, so every CR in a file ended a written line.
void writeAndCheck(qint64 lines, const std::function<void(LineWriter&)>& write)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    {
        LineWriter out(path);
        write(out);
        out.commit();
    }
    QFile file(path);
    fuzz::require(file.open(QIODevice::ReadOnly), "a committed file can be read back", path);
    const QByteArray bytes = file.readAll();
    fuzz::require(bytes.count('\r') == lines && bytes.count("\r\n") == lines, "one CR LF for every line written");
    fuzz::require(!cp932::decode(bytes).contains(QChar::ReplacementCharacter), "the file is valid code page 932");
}

void run(QByteArrayView bytes)
{
    static const QString schema = readText(QStringLiteral(PALUKSEN_SCHEMA_SQL));
    store::Connection store = store::Connection::openOrCreate(QStringLiteral(":memory:"));
    store::createSchema(store, schema);
    const QString path = fuzz::listingFile(bytes);
    ListingImport import(store);
    import.readListing(path);
    import.commit();
    const fuzz::Parsed parsed = fuzz::parseAndCheck(path, bytes);
    checkStored(store, store::sql::kAddressTable, store::sql::kAddressColumns, parsed.addresses);
    checkStored(store, store::sql::kGroupTable, store::sql::kGroupColumns, parsed.memberships);

    const qint64 rows = count(store, store::sql::kSelectOutput);
    const qint64 groups = count(store, store::sql::kGroupNames);
    const ShowStatus ignore = [](const QString&) {};
    writeAndCheck(rows, [&](LineWriter& out) {
        store::Cursor csv = openCsvRows(store);
        writeCsv(csv, out);
    });
    for (char layout = '1'; layout <= '8'; ++layout) // three lines a group and a row
        writeAndCheck(3 * (groups + rows), [&](LineWriter& out) { writeEdMax(store, out, QLatin1Char(layout), ignore); });
    // A fixed day keeps a run repeatable, which libFuzzer needs to replay a finding.
    LocalToday today([] { return QDateTime(QDate(2024, 2, 29), QTime(12, 0)).toMSecsSinceEpoch(); });
    for (char layout = '1'; layout <= '5'; ++layout) // a heading a group, and every row once
        writeAndCheck(groups + rows, [&](LineWriter& out) { writeTuruKame(store, out, QLatin1Char(layout), today, ignore); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        run(QByteArrayView(data, static_cast<qsizetype>(size)));
    } catch (const Failure& failure) {
        fuzz::require(false, "the data path throws no failure", failure.description() + u'\n' + failure.detail());
    }
    return 0;
}
