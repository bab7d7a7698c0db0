#include "export/CsvWriter.h"
#include "export/EdMaxWriter.h"
#include "export/TuruKameWriter.h"
#include "support/TestStore.h"
#include "text/Cp932.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

const ShowStatus kIgnoreStatus = [](const QString&) {};

qint64 localMs(int day, QTime time)
{
    return QDateTime(QDate(2019, 1, day), time).toMSecsSinceEpoch();
}

// Each export as the windows run it: CSV, then EdMax and TuruKame by the layout character, the
// TuruKame lines dated by the given clock.
using Export = std::function<void(store::Connection&, LineWriter&)>;
Export csv()
{
    return [](store::Connection& store, LineWriter& out) {
        store::Cursor rows = openCsvRows(store);
        writeCsv(rows, out);
    };
}
Export edMax(QChar layout)
{
    return [layout](store::Connection& store, LineWriter& out) { writeEdMax(store, out, layout, kIgnoreStatus); };
}
Export turuKame(QChar layout, LocalToday::Clock clock = [] { return localMs(7, QTime(12, 0)); })
{
    return [=](store::Connection& store, LineWriter& out) {
        LocalToday today(clock);
        writeTuruKame(store, out, layout, today, kIgnoreStatus);
    };
}

// Writes over a file left from an earlier run, so whatever comes back was written by this one.
QByteArray written(TestStore& store, const Export& write)
{
    const QString path = store.dir() + u"/export.txt"_qs;
    writeFile(path, "left from an earlier run\r\n");
    LineWriter out(path);
    write(store.connection(), out);
    out.commit();
    return readFile(path);
}

TEST(Writers, EmptyStoreGivesZeroBytes)
{
    for (const Export& write : {csv(), edMax(u'1'), turuKame(u'1')}) {
        TestStore store;
        EXPECT_EQ(written(store, write), QByteArray());
    }
}

// A group name pasted into the statement would break it or select other groups' rows; a run over
// midnight dates each line by the moment it is written, also when the clock is set back.
TEST(Writers, TuruKameGroupsByValueAndDatesEachLine)
{
    TestStore store;
    store.connection().execute(u"INSERT INTO アドレス情報 (名前, アドレス) VALUES ('A', 'a@x'), ('B', 'b@x'), ('C', 'c@x');"
                               u"INSERT INTO グループ情報 VALUES ('A'' OR ''a''=''a', 'A', 'a@x'), ('O''Brien家', 'B', 'b@x')"_qs);
    const qint64 moments[] = {localMs(7, QTime(23, 59, 59, 900)), localMs(8, QTime(0, 0, 0, 100)),
                              localMs(7, QTime(23, 59, 59, 950))};
    int asked = 0;
    const auto clock = [&] { return moments[std::min(asked++, 2)]; };
    EXPECT_EQ(cp932::decode(written(store, turuKame(u'5', clock))),
              u"C,c@x,2019/01/07\r\nG1 A' OR 'a'='a\r\nA,a@x,2019/01/08\r\nG1 O'Brien家\r\nB,b@x,2019/01/07\r\n"_qs);
}

} // namespace
} // namespace paluksen::test
