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

// The store keeps the text it is given: a leading U+FEFF is a character of the value, not a mark to
// drop, and half a surrogate pair, which UTF-8 cannot hold, comes back as U+FFFD rather than "?",
// also a high half at the very end, which an encoder keeping state would hold back for its partner.
TEST(AddressStore, KeepsTheTextItIsGiven)
{
    TestStore store;
    const QString lone = u"a"_qs + QChar(0xD800) + u"b"_qs;
    store::Appender(store.connection(), store::sql::kGroupTable, store::sql::kGroupColumns).append({u"\uFEFF山田"_qs, lone, lone.first(2)});
    const store::Cursor row(store.connection(), u"SELECT グループ, 名前, アドレス FROM グループ情報");
    EXPECT_EQ(row.text(0), u"\uFEFF山田"_qs);
    EXPECT_EQ(row.text(1), u"a\uFFFDb"_qs);
    EXPECT_EQ(row.text(2), u"a\uFFFD"_qs);
}

} // namespace
} // namespace paluksen::test
