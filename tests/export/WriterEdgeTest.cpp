#include "ExportRun.h"
#include "export/CsvWriter.h"
#include "export/EdMaxWriter.h"
#include "export/TuruKameWriter.h"
#include "store/AddressStore.h"
#include "text/Cp932.h"

#include <QDateTime>
#include <QStringList>
#include <gtest/gtest.h>

namespace paluksen {
namespace {

const ShowStatus kIgnoreStatus = [](const QString&) {};
qint64 localMs(int day, QTime time)
{
    return QDateTime(QDate(2019, 1, day), time).toMSecsSinceEpoch();
}
LocalToday fixedDay()
{
    return LocalToday([] { return localMs(7, QTime(12, 0)); });
}

QString lines(const QStringList& each)
{
    QString text;
    for (const QString& line : each)
        text += line + QStringLiteral("\r\n");
    return text;
}

void addPerson(store::Connection& connection, const QString& name, const QString& address)
{
    store::Appender people(connection, store::sql::kAddressTable, {QStringLiteral("名前"), QStringLiteral("アドレス")});
    people.append({name, address});
}

void addMember(store::Connection& connection, const QString& group, const QString& name, const QString& address)
{
    store::Appender members(connection, store::sql::kGroupTable,
                            {QStringLiteral("グループ"), QStringLiteral("名前"), QStringLiteral("アドレス")});
    members.append({group, name, address});
}

TEST(EmptyStore, EveryExportWritesZeroBytes)
{
    const struct {
        const char* name;
        std::function<void(store::Connection&, LineWriter&)> write;
    } exports[] = {
        {"csv",
         [](store::Connection& s, LineWriter& out) {
             store::Cursor rows = openCsvRows(s);
             writeCsv(rows, out);
         }},
        {"edmax", [](store::Connection& s, LineWriter& out) { writeEdMax(s, out, u'1', kIgnoreStatus); }},
        {"turukame",
         [](store::Connection& s, LineWriter& out) {
             LocalToday today = fixedDay();
             writeTuruKame(s, out, u'1', today, kIgnoreStatus);
         }},
    };
    for (const auto& e : exports) {
        SCOPED_TRACE(e.name);
        test::TestStore store;
        const QByteArray written = test::runExport(store, [&](LineWriter& out) { e.write(store.connection(), out); });
        EXPECT_EQ(written.size(), 0) << test::hex(written).toStdString();
    }
}

// A group name that would break or rewrite the statement if it were pasted into it must select
// that group's rows and nothing else.
TEST(TuruKameGroups, NameWithQuoteSelectsOnlyItsOwnRows)
{
    const QString names[] = {QStringLiteral("A' OR 'a'='a"), QStringLiteral("O'Brien家")};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        test::TestStore store;
        addPerson(store.connection(), QStringLiteral("甲"), QStringLiteral("a@example.jp"));
        addPerson(store.connection(), QStringLiteral("乙"), QStringLiteral("b@example.jp"));
        addMember(store.connection(), name, QStringLiteral("甲"), QStringLiteral("a@example.jp"));
        addMember(store.connection(), QStringLiteral("他"), QStringLiteral("乙"), QStringLiteral("b@example.jp"));

        LocalToday today = fixedDay();
        const QByteArray written = test::runExport(store, [&](LineWriter& out) {
            writeTuruKame(store.connection(), out, u'5', today, kIgnoreStatus);
        });
        EXPECT_EQ(cp932::decode(written), lines({
                                              QStringLiteral("G1 ") + name,
                                              QStringLiteral("甲,a@example.jp,2019/01/07"),
                                              QStringLiteral("G1 他"),
                                              QStringLiteral("乙,b@example.jp,2019/01/07"),
                                          }));
    }
}

// A run over midnight: each line carries the local day of the moment it is written, also when the
// clock is set back across midnight.
TEST(TuruKameDate, AskedForEveryEntryLine)
{
    test::TestStore store;
    addPerson(store.connection(), QStringLiteral("A"), QStringLiteral("a@example.jp"));
    addPerson(store.connection(), QStringLiteral("B"), QStringLiteral("b@example.jp"));
    addPerson(store.connection(), QStringLiteral("C"), QStringLiteral("c@example.jp"));
    addMember(store.connection(), QStringLiteral("G"), QStringLiteral("C"), QStringLiteral("c@example.jp"));

    const qint64 moments[] = {localMs(7, QTime(23, 59, 59, 900)), localMs(8, QTime(0, 0, 0, 100)),
                              localMs(7, QTime(23, 59, 59, 950))};
    int asked = 0;
    LocalToday today([&] { return moments[std::min(asked++, 2)]; });
    const QByteArray written = test::runExport(
        store, [&](LineWriter& out) { writeTuruKame(store.connection(), out, u'5', today, kIgnoreStatus); });
    EXPECT_EQ(cp932::decode(written), lines({
                                          QStringLiteral("A,a@example.jp,2019/01/07"),
                                          QStringLiteral("B,b@example.jp,2019/01/08"),
                                          QStringLiteral("G1 G"),
                                          QStringLiteral("C,c@example.jp,2019/01/07"),
                                      }));
    EXPECT_EQ(asked, 3);
}

} // namespace
} // namespace paluksen
