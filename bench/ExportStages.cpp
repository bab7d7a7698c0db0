// The exports through the product's writers, and SQLite reading the sorted view into a file
// with nothing else to do.
#include "Stages.h"
#include "Stopwatch.h"
#include "export/CsvExport.h"
#include "export/EdMaxExport.h"
#include "export/TuruKameExport.h"
#include "store/AddressStore.h"

#include <QDir>

#include <cstdio>
#include <string>
#include <sqlite3.h>

namespace paluksen::bench {
namespace {

template <typename Export>
StageResult timedExport(const StagePlace& place, const QString& fileName, Export exportTo)
{
    store::Connection store = store::openAddressStore(importedStore(place));
    const OutputTarget target = OutputTarget::file(QDir(place.dir).filePath(fileName));
    Stopwatch watch;
    exportTo(store, target);
    // Rows are those of the view; the writers do not count them, the bare read does.
    return {0, watch.lap()};
}

} // namespace

StageResult bareRead(const StagePlace& place)
{
    const QByteArray storePath = importedStore(place).toUtf8();
    const QByteArray outPath = QDir(place.dir).filePath(QStringLiteral("bare-read.txt")).toLocal8Bit();
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(storePath.constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        die(QStringLiteral("cannot open ") + importedStore(place));

    Stopwatch watch;
    std::FILE* out = std::fopen(outPath.constData(), "wb");
    if (!out)
        die(QStringLiteral("cannot write bare-read.txt"));
    static char buffer[64 * 1024];
    std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT * FROM 出力情報 ORDER BY グループ,名前,アドレス", -1, &stmt, nullptr) != SQLITE_OK)
        die(QString::fromUtf8(sqlite3_errmsg(db)));
    qint64 rows = 0;
    int rc;
    std::string line; // one write per row: stdio takes its lock for every call
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        line.clear();
        for (int i = 0; i < 6; ++i) {
            if (i > 0)
                line += ',';
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            if (text)
                line.append(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
        }
        line += "\r\n";
        std::fwrite(line.data(), 1, line.size(), out);
        ++rows;
    }
    if (rc != SQLITE_DONE)
        die(QString::fromUtf8(sqlite3_errmsg(db)));
    sqlite3_finalize(stmt);
    if (std::fclose(out) != 0)
        die(QStringLiteral("cannot write bare-read.txt"));
    const Lap time = watch.lap();
    sqlite3_close(db);
    return {rows, time};
}

StageResult exportCsv(const StagePlace& place)
{
    return timedExport(place, QStringLiteral("PalukF02.txt"),
                       [](store::Connection& store, const OutputTarget& target) { paluksen::exportCsv(store, target); });
}

StageResult exportEdMax(const StagePlace& place)
{
    return timedExport(place, QStringLiteral("常用アドレス.adr"), [](store::Connection& store, const OutputTarget& target) {
        paluksen::exportEdMax(store, target, MemoLayout::TabbedDepartmentAndTitle);
    });
}

StageResult exportTuruKame(const StagePlace& place)
{
    return timedExport(place, QStringLiteral("AdrBook.txt"), [](store::Connection& store, const OutputTarget& target) {
        paluksen::exportTuruKame(store, target, RemarksLayout::DepartmentAndTitle); // the system clock, as the window has it
    });
}

} // namespace paluksen::bench
