#include "export/TuruKameWriter.h"
#include "support/TestStore.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace paluksen::test {
namespace {

// A run over midnight dates each line by the moment it is written, also when the clock is set
// back.
TEST(TuruKameWriter, DatesEachLineByTheClockAsItIsWritten)
{
    TestStore store;
    store.connection().execute(u"INSERT INTO アドレス情報 (名前, アドレス) VALUES ('A', 'a@x'), ('B', 'b@x'), ('C', 'c@x');"
                               u"INSERT INTO グループ情報 VALUES ('G', 'A', 'a@x')"_qs);
    const QDateTime moments[] = {{QDate(2019, 1, 7), QTime(23, 59, 59, 900)}, {QDate(2019, 1, 8), QTime(0, 0, 0, 100)},
                                 {QDate(2019, 1, 7), QTime(23, 59, 59, 950)}};
    int asked = 0;
    LocalToday today([&] { return moments[std::min(asked++, 2)].toMSecsSinceEpoch(); });
    const QString path = store.dir() + u"/AdrBook.txt"_qs;
    LineWriter out(path);
    writeTuruKame(store.connection(), out, u'5', today, [](const QString&) {});
    out.commit();
    EXPECT_EQ(readFile(path), "B,b@x,2019/01/07\r\nC,c@x,2019/01/08\r\nG1 G\r\nA,a@x,2019/01/07\r\n");
}

} // namespace
} // namespace paluksen::test
