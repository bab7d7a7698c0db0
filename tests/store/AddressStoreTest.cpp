#include "store/AddressStore.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

QString units(std::initializer_list<char16_t> list)
{
    return QString(reinterpret_cast<const QChar*>(std::data(list)), static_cast<qsizetype>(list.size()));
}

// A membership takes company, department and title from the first-stored person of its name and
// address, and is never doubled by an identical person; one naming nobody still gives a row.
TEST(AddressStore, OutputQueriesOfTheView)
{
    TestStore store;
    store.connection().execute(u"INSERT INTO アドレス情報 VALUES ('山田', 'y@x', '社A', '', NULL), ('山田', 'y@x', '社B', NULL, NULL),"
                               u" ('鈴木', 's@x', NULL, NULL, '課長'), ('佐藤', 'p@x', NULL, NULL, NULL);"
                               u"INSERT INTO グループ情報 VALUES ('友人', '山田', 'y@x'), ('仕事', '山田', 'y@x'), ('仕事', '田中', 't@x')"_qs);
    const QStringList sorted = {u"~|佐藤|p@x|~|~|~"_qs, u"~|鈴木|s@x|~|~|課長"_qs, u"仕事|山田|y@x|社A||~"_qs,
                                u"仕事|田中|t@x|~|~|~"_qs, u"友人|山田|y@x|社A||~"_qs};
    const auto rows = [&](const QString& sql, std::initializer_list<store::Text> parameters = {}) {
        QStringList result;
        for (store::Cursor row(store.connection(), sql, parameters); !row.atEnd(); row.next()) {
            QStringList values;
            for (int column = store::sql::kGroup; column <= store::sql::kTitle; ++column)
                values << row.value(column).value_or(u"~"_qs);
            result << values.join(u'|');
        }
        return result;
    };
    EXPECT_EQ(rows(store::sql::kOutputSorted), sorted);
    EXPECT_EQ(rows(store::sql::kOutputWithoutGroup), sorted.mid(0, 2));
    EXPECT_EQ(rows(store::sql::kOutputOfGroup, {u"仕事"_qs}), sorted.mid(2, 2));
    // A per-group query that scanned the memberships would make the TuruKame export quadratic.
    QString plan;
    for (store::Cursor row(store.connection(), u"EXPLAIN QUERY PLAN "_qs + store::sql::kOutputOfGroup, {u"g"_qs}); !row.atEnd(); row.next())
        plan += row.text(3) + u'\n';
    EXPECT_TRUE(plan.contains(u"SEARCH m USING COVERING INDEX グループ情報_グループ (グループ=?)"_qs)) << plan.toStdString();
}

// The store holds UTF-8 only, whatever it is handed: a lone surrogate half becomes U+FFFD, a
// leading U+FEFF is text like any other; bytes another program left that are not UTF-8 read as
// U+FFFD.
TEST(AddressStore, HoldsUtf8AndReadsItBack)
{
    const struct {
        store::Text text;
        const char* stored; // hex of the bytes in the store
        store::Text readBack;
    } cases[] = {
        {std::nullopt, "", std::nullopt},
        {u"鈴木 ｶﾅ é😀"_qs, "E988B4E69CA820EFBDB6EFBE8520C3A9F09F9880", u"鈴木 ｶﾅ é😀"_qs},
        {units({0xFEFF, u'a', 0, 0xFFFF}), "EFBBBF6100EFBFBF", units({0xFEFF, u'a', 0, 0xFFFF})},
        {units({u'a', 0xD800, u'b', 0xDC00}), "61EFBFBD62EFBFBD", units({u'a', 0xFFFD, u'b', 0xFFFD})},
    };
    TestStore store;
    store::Statement select(store.connection(), u"SELECT hex(?1), ?1");
    for (const auto& c : cases) {
        select.bind(1, c.text);
        ASSERT_TRUE(select.step());
        EXPECT_EQ(select.text(0), QLatin1String(c.stored));
        EXPECT_EQ(select.value(1), c.readBack) << c.stored;
        select.reset();
    }
    const store::Cursor foreign(store.connection(), u"SELECT CAST(X'61E381C080' AS TEXT)");
    EXPECT_EQ(foreign.value(0), units({u'a', 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}));
}

} // namespace
} // namespace paluksen::test
