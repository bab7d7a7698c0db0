#include "store/AddressStore.h"
#include "support/TestStore.h"
#include "text/Failure.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace paluksen::test {
namespace {

QStringList rows(store::Connection& store, const QString& sql, std::initializer_list<store::Text> parameters = {})
{
    QStringList result;
    for (store::Cursor row(store, sql, parameters); !row.atEnd(); row.next()) {
        QStringList values;
        for (int column = store::sql::kGroup; column <= store::sql::kTitle; ++column)
            values << row.value(column).value_or(u"N"_qs);
        result << values.join(u'|');
    }
    return result;
}

// A membership takes company, department and title from the first-stored person of its name and
// address, and is never doubled by an identical person; one naming nobody still gives a row.
TEST(AddressStore, OutputQueriesOfTheView)
{
    TestStore store;
    store.connection().execute(u"INSERT INTO アドレス情報 VALUES ('山田', 'y@x', '社A', '', NULL), ('山田', 'y@x', '社B', NULL, NULL),"
                               u" ('鈴木', 's@x', NULL, NULL, '課長'), ('佐藤', 'p@x', NULL, NULL, NULL);"
                               u"INSERT INTO グループ情報 VALUES ('友人', '山田', 'y@x'), ('仕事', '山田', 'y@x'), ('仕事', '田中', 't@x')"_qs);
    const QStringList sorted = {u"N|佐藤|p@x|N|N|N"_qs, u"N|鈴木|s@x|N|N|課長"_qs, u"仕事|山田|y@x|社A||N"_qs,
                                u"仕事|田中|t@x|N|N|N"_qs, u"友人|山田|y@x|社A||N"_qs};
    EXPECT_EQ(rows(store.connection(), store::sql::kOutputSorted), sorted);
    EXPECT_EQ(rows(store.connection(), store::sql::kOutputWithoutGroup), sorted.mid(0, 2));
    EXPECT_EQ(rows(store.connection(), store::sql::kOutputOfGroup, {u"仕事"_qs}), sorted.mid(2, 2));
}

TEST(AddressStore, TransactionRollsBackUnlessCommitted)
{
    TestStore store;
    store.connection().execute(kEarlierRows);
    const QString earlier = storeContent(store.connection());
    {
        store::Transaction transaction(store.connection());
        store.connection().execute(store::sql::kClearAddresses);
    } // dropped without a commit, as when an import fails
    EXPECT_EQ(storeContent(store.connection()), earlier);
    store::Transaction transaction(store.connection());
    store.connection().execute(store::sql::kClearAddresses);
    transaction.commit();
    EXPECT_TRUE(store::Cursor(store.connection(), u"SELECT * FROM アドレス情報"_qs).atEnd());
}

TEST(AddressStore, OpeningRefusesWhatIsNoAddressStore)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(u"text.mdb"_qs), QByteArray("no database, just some text that is long enough").repeated(20));
    store::Connection::openOrCreate(dir.filePath(u"noview.mdb"_qs)).execute(u"CREATE TABLE アドレス情報 (a); CREATE TABLE グループ情報 (a)"_qs);
    const std::pair<const char16_t*, int> cases[] = {{u"missing.mdb", SQLITE_CANTOPEN}, {u"text.mdb", SQLITE_NOTADB},
                                                     {u"noview.mdb", SQLITE_ERROR}};
    for (const auto& [name, number] : cases) {
        const QString path = dir.filePath(QString::fromUtf16(name));
        try {
            store::openAddressStore(path);
            ADD_FAILURE() << "opened " << path.toStdString();
        } catch (const StoreFailure& failure) {
            EXPECT_EQ(failure.number(), number) << path.toStdString();
            EXPECT_TRUE(failure.detail().contains(path)) << failure.detail().toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(u"missing.mdb"_qs))); // opening never creates the store
}

// A per-group query that scanned the memberships would make the TuruKame export quadratic.
TEST(AddressStore, OneGroupsRowsAreFoundThroughTheIndex)
{
    TestStore store;
    QStringList plan;
    for (store::Cursor row(store.connection(), u"EXPLAIN QUERY PLAN "_qs + store::sql::kOutputOfGroup, {u"g"_qs}); !row.atEnd(); row.next())
        plan << row.text(3);
    EXPECT_TRUE(plan.contains(u"SEARCH m USING COVERING INDEX グループ情報_グループ (グループ=?)"_qs)) << plan.join(u'\n').toStdString();
}

} // namespace
} // namespace paluksen::test
