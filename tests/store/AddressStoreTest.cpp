#include "store/AddressStore.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

QString units(std::initializer_list<char16_t> list)
{
    return QString(reinterpret_cast<const QChar*>(std::data(list)), static_cast<qsizetype>(list.size()));
}

// A per-group query that scanned the memberships would make the TuruKame export quadratic.
TEST(AddressStore, OneGroupsRowsAreFoundThroughTheIndex)
{
    TestStore store;
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
