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

} // namespace
} // namespace paluksen::test
