#include "ExportCheck.h"
#include "Check.h"

#include "export/CsvWriter.h"
#include "export/EdMaxWriter.h"
#include "export/TuruKameWriter.h"
#include "text/Cp932.h"

#include <QDateTime>
#include <QDate>
#include <QDir>
#include <QFile>
#include <functional>

namespace paluksen::fuzz {
namespace {

qint64 count(store::Connection& store, const QString& query)
{
    store::Cursor rows(store, QStringLiteral("SELECT count(*) FROM (%1)").arg(query));
    return rows.text(0).toLongLong();
}

// The counts the line totals of every address book follow from.
struct StoreShape {
    qint64 outputRows;
    qint64 groupNames;
};

StoreShape shapeOf(store::Connection& store)
{
    return {count(store, QStringLiteral("SELECT * FROM 出力情報")),
            count(store, QStringLiteral("SELECT DISTINCT グループ FROM グループ情報"))};
}

QByteArray readBack(const QString& path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly), "a committed file can be read back", path);
    return file.readAll();
}

// Stored text holds no CR (the reader ends a line there) and code page 932 has no two-byte
// character ending in 0x0D, so every CR in the file is one that ended a written line.
void checkFile(const QString& path, qint64 expectedLines)
{
    const QByteArray bytes = readBack(path);
    const QString detail = QStringLiteral("%1: %2 bytes, %3 lines expected")
                               .arg(path)
                               .arg(bytes.size())
                               .arg(expectedLines);
    require(bytes.isEmpty() || bytes.endsWith("\r\n"), "a written file is empty or ends with CR LF", detail);
    require(bytes.count('\r') == expectedLines, "one CR for every line written", detail);
    require(bytes.count("\r\n") == expectedLines, "every CR is followed by its LF", detail);
    // What the encoder cannot write becomes "?", so nothing undecodable ever reaches the file.
    require(!cp932::decode(bytes).contains(QChar::ReplacementCharacter),
            "the file is valid code page 932 throughout", detail);
}

void writeAndCheck(const QString& path, qint64 expectedLines, const std::function<void(LineWriter&)>& write)
{
    {
        LineWriter out(path);
        write(out);
        out.commit();
    }
    checkFile(path, expectedLines);
}

} // namespace

void exportAndCheck(store::Connection& store, const QString& folder)
{
    const StoreShape shape = shapeOf(store);
    const QDir dir(folder);
    const ShowStatus ignoreStatus = [](const QString&) {};
    // A fixed day keeps a run repeatable, which libFuzzer needs to replay a finding.
    LocalToday today([] { return QDateTime(QDate(2024, 2, 29), QTime(12, 0)).toMSecsSinceEpoch(); });

    writeAndCheck(dir.filePath(QStringLiteral("address.csv")), shape.outputRows,
                  [&](LineWriter& out) {
                      store::Cursor rows = openCsvRows(store);
                      writeCsv(rows, out);
                  });

    // A record of three lines per group name and per output row.
    for (char layout = '1'; layout <= '8'; ++layout)
        writeAndCheck(dir.filePath(QStringLiteral("edmax_%1.adr").arg(QLatin1Char(layout))),
                      3 * (shape.groupNames + shape.outputRows),
                      [&](LineWriter& out) { writeEdMax(store, out, QLatin1Char(layout), ignoreStatus); });

    // A heading per group name, and every output row once: under its group, or first when it
    // has none.
    for (char layout = '1'; layout <= '5'; ++layout)
        writeAndCheck(dir.filePath(QStringLiteral("turukame_%1.txt").arg(QLatin1Char(layout))),
                      shape.groupNames + shape.outputRows, [&](LineWriter& out) {
                          writeTuruKame(store, out, QLatin1Char(layout), today, ignoreStatus);
                      });
}

} // namespace paluksen::fuzz
