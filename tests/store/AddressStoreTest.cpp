#include "store/AddressStore.h"
#include "support/TestStore.h"
#include "text/Failure.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace paluksen;
using store::Text;

namespace {

using Row = std::vector<Text>;

class AddressStoreTest : public ::testing::Test {
protected:
    void person(Text name, Text address, Text company = {}, Text department = {}, Text title = {})
    {
        store::Appender(store_.connection(), store::sql::kAddressTable,
                        {u"名前"_qs, u"アドレス"_qs, u"会社名"_qs, u"部署名"_qs, u"役職"_qs})
            .append({name, address, company, department, title});
    }
    void member(const QString& group, const QString& name, const QString& address)
    {
        store::Appender(store_.connection(), store::sql::kGroupTable, {u"グループ"_qs, u"名前"_qs, u"アドレス"_qs})
            .append({group, name, address});
    }
    std::vector<Row> rows(const QString& sql, std::initializer_list<Text> parameters = {})
    {
        std::vector<Row> result;
        for (store::Cursor cursor(store_.connection(), sql, parameters); !cursor.atEnd(); cursor.next()) {
            Row row;
            for (const char16_t* column : {u"グループ", u"名前", u"アドレス", u"会社名", u"部署名", u"役職"})
                row.push_back(cursor.value(QStringView(column)));
            result.push_back(row);
        }
        return result;
    }
    test::TestStore store_;
};

const Text N = std::nullopt;
Text t(const char16_t* text) { return QString::fromUtf16(text); }

TEST_F(AddressStoreTest, EmptyStoreGivesNoRowsAnywhere)
{
    for (const QString& sql : {store::sql::kOutputInViewOrder, store::sql::kOutputSorted,
                               store::sql::kOutputWithoutGroup, store::sql::kGroupNames})
        EXPECT_TRUE(store::Cursor(store_.connection(), sql).atEnd()) << sql.toStdString();
    EXPECT_TRUE(store::Cursor(store_.connection(), store::sql::kOutputOfGroup, {t(u"g")}).atEnd());
}

TEST_F(AddressStoreTest, ViewPairsMembershipsWithTheFirstStoredPerson)
{
    person(t(u"山田"), t(u"y@x"), t(u"社A"), t(u""), N);
    person(t(u"山田"), t(u"y@x"), t(u"社B"), N, N); // identical person: must not double a membership
    person(t(u"鈴木"), t(u"s@x"), N, N, t(u"課長"));
    person(t(u"佐藤"), t(u"p@x"));
    member(u"友人"_qs, u"山田"_qs, u"y@x"_qs);
    member(u"仕事"_qs, u"山田"_qs, u"y@x"_qs);
    member(u"仕事"_qs, u"田中"_qs, u"t@x"_qs); // names nobody stored
    const std::vector<Row> expected = {
        {N, t(u"佐藤"), t(u"p@x"), N, N, N},
        {N, t(u"鈴木"), t(u"s@x"), N, N, t(u"課長")},
        {t(u"仕事"), t(u"山田"), t(u"y@x"), t(u"社A"), t(u""), N},
        {t(u"仕事"), t(u"田中"), t(u"t@x"), N, N, N},
        {t(u"友人"), t(u"山田"), t(u"y@x"), t(u"社A"), t(u""), N},
    };
    EXPECT_EQ(rows(store::sql::kOutputSorted), expected);
    EXPECT_EQ(rows(store::sql::kOutputInViewOrder), expected); // the view comes sorted by itself
    EXPECT_EQ(rows(store::sql::kOutputWithoutGroup), std::vector<Row>(expected.begin(), expected.begin() + 2));
    EXPECT_EQ(rows(store::sql::kOutputOfGroup, {t(u"仕事")}), std::vector<Row>(expected.begin() + 2, expected.begin() + 4));
}

TEST_F(AddressStoreTest, IdenticalUngroupedPersonsAreBothKept)
{
    person(t(u"A"), t(u"a@x"));
    person(t(u"A"), t(u"a@x"));
    EXPECT_EQ(store_.count(store::sql::kOutputView), 2);
}

TEST_F(AddressStoreTest, NullAndEmptyTextStayApart)
{
    person(t(u""), N, t(u""), N, t(u" "));
    EXPECT_EQ(rows(store::sql::kOutputSorted), (std::vector<Row>{{N, t(u""), N, t(u""), N, t(u" ")}}));
}

TEST_F(AddressStoreTest, GroupNameWithAQuoteIsComparedAsAValue)
{
    person(t(u"A"), t(u"a@x"));
    member(u"O'Brien家"_qs, u"A"_qs, u"a@x"_qs);
    member(u"x' OR '1'='1"_qs, u"B"_qs, u"b@x"_qs);
    const auto ofGroup = rows(store::sql::kOutputOfGroup, {t(u"O'Brien家")});
    ASSERT_EQ(ofGroup.size(), 1u);
    EXPECT_EQ(ofGroup[0][1], t(u"A"));
    EXPECT_EQ(rows(store::sql::kOutputOfGroup, {t(u"x")}).size(), 0u);
}

TEST_F(AddressStoreTest, DistinctGroupNamesSortAsTheViewDoes)
{
    for (const char16_t* group : {u"b", u"B", u"あ", u"a", u"b", u""})
        member(QString::fromUtf16(group), u"n"_qs, u"a"_qs);
    std::vector<Text> names;
    for (store::Cursor cursor(store_.connection(), store::sql::kGroupNames); !cursor.atEnd(); cursor.next())
        names.push_back(cursor.value(0));
    EXPECT_EQ(names, (std::vector<Text>{t(u""), t(u"B"), t(u"a"), t(u"b"), t(u"あ")}));
    std::vector<Text> viewGroups;
    for (const Row& row : rows(store::sql::kOutputSorted))
        if (viewGroups.empty() || viewGroups.back() != row[0])
            viewGroups.push_back(row[0]);
    EXPECT_EQ(viewGroups, names);
}

TEST_F(AddressStoreTest, TransactionRollsBackUnlessCommitted)
{
    person(t(u"earlier"), t(u"e@x"));
    {
        store::Transaction transaction(store_.connection());
        store_.connection().execute(store::sql::kClearAddresses);
        person(t(u"later"), t(u"l@x"));
    }
    EXPECT_EQ(rows(store::sql::kOutputSorted), (std::vector<Row>{{N, t(u"earlier"), t(u"e@x"), N, N, N}}));
    {
        store::Transaction transaction(store_.connection());
        store_.connection().execute(store::sql::kClearAddresses);
        transaction.commit();
    }
    EXPECT_EQ(store_.count(store::sql::kAddressTable), 0);
}

TEST(OpenAddressStore, RefusesWhatIsNoAddressStore)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.mdb"));
    const QString notADatabase = dir.filePath(QStringLiteral("text.mdb"));
    test::writeFile(notADatabase, QByteArray("this is no database, just some text that is long enough").repeated(20));
    const QString withoutView = dir.filePath(QStringLiteral("noview.mdb"));
    {
        auto db = store::Connection::openOrCreate(withoutView);
        db.execute(QStringLiteral("CREATE TABLE アドレス情報 (名前); CREATE TABLE グループ情報 (名前);"));
    }
    const struct {
        QString path;
        int number;
    } cases[] = {{missing, SQLITE_CANTOPEN}, {notADatabase, SQLITE_NOTADB}, {withoutView, SQLITE_ERROR}};
    for (const auto& c : cases) {
        try {
            store::openAddressStore(c.path);
            ADD_FAILURE() << "opened " << c.path.toStdString();
        } catch (const StoreFailure& failure) {
            EXPECT_EQ(failure.number(), c.number) << c.path.toStdString();
            EXPECT_TRUE(failure.detail().contains(c.path)) << failure.detail().toStdString();
        }
    }
    EXPECT_FALSE(QFile::exists(missing)); // opening never creates the store
}

TEST_F(AddressStoreTest, ExportQueriesUseIndexesNotScansPerGroup)
{
    // A per-group query that scanned the memberships would make the TuruKame export quadratic.
    QStringList plan;
    for (store::Cursor cursor(store_.connection(), QStringLiteral("EXPLAIN QUERY PLAN ") + store::sql::kOutputOfGroup,
                              {t(u"g")});
         !cursor.atEnd(); cursor.next())
        plan << cursor.text(3);
    EXPECT_TRUE(plan.contains(QStringLiteral("SEARCH m USING COVERING INDEX グループ情報_グループ (グループ=?)")))
        << plan.join(u'\n').toStdString();
    EXPECT_FALSE(plan.contains(QStringLiteral("SCAN m"))) << plan.join(u'\n').toStdString();
}

} // namespace
