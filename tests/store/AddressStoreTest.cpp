#include "store/AddressStore.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

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
// leading U+FEFF is text like any other. Bytes another program left that are not UTF-8 read as
// U+FFFD.
TEST(AddressStore, HoldsUtf8AndReadsItBack)
{
    const std::tuple<QString, const char*, QString> cases[] = { // handed, stored as hex, read back
        {u"ｶﾅ😀"_qs, "EFBDB6EFBE85F09F9880", u"ｶﾅ😀"_qs},
        {QChar(0xFEFF) + u"a"_qs + QChar(0) + QChar(0xFFFF), "EFBBBF6100EFBFBF", QChar(0xFEFF) + u"a"_qs + QChar(0) + QChar(0xFFFF)},
        {QString::fromUtf16(u"a\xD800" "b\xDC00"), "61EFBFBD62EFBFBD", u"a\uFFFDb\uFFFD"_qs},
    };
    TestStore store;
    for (const auto& [handed, stored, readBack] : cases) {
        const store::Cursor row(store.connection(), u"SELECT hex(?1), ?1", {handed});
        EXPECT_EQ(row.text(0), QLatin1String(stored));
        EXPECT_EQ(row.value(1), readBack) << stored;
    }
    const store::Cursor foreign(store.connection(), u"SELECT CAST(X'61E381C080' AS TEXT)");
    EXPECT_EQ(foreign.value(0), u"a\uFFFD\uFFFD\uFFFD\uFFFD"_qs);
}

} // namespace
} // namespace paluksen::test
