#include "GeneratedListing.h"
#include "StoreContent.h"
#include "gui/PalukF01.h"
#include "support/WindowTest.h"

#include <QDir>
#include <QPointer>

namespace paluksen::test {
namespace {

class StoreFullTest : public WindowTest {
protected:
    QPointer<PalukF01> pressRun(const QString& listingPath)
    {
        platform_.answers = {MessageAnswer::Yes};
        platform_.fileChoices = {listingPath};
        platform_.messages.clear();
        platform_.endedWith.clear();
        QPointer<PalukF01> window = new PalukF01(context_);
        window->show();
        test::child<QPushButton>(window, u"処理実行"_qs)->click();
        settle();
        return window;
    }
    int storePages() { return store::Cursor(store_.connection(), u"PRAGMA page_count").text(0).toInt(); }
};

// The store cannot grow past a few pages more than the earlier content needs, as on a disk that
// fills up half-way through the listing.
TEST_F(StoreFullTest, ImportThatFillsTheDiskIsReportedAndKeepsTheEarlierContent)
{
    appendContent(store_.connection(), earlierContent());
    const GeneratedListing listing = generateListing(2000, 100, 5);
    const QString listingPath = QDir(store_.dir()).filePath(u"listing.txt"_qs);
    writeFile(listingPath, listing.bytes);
    const int pagesBefore = storePages();
    store_.connection().execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pagesBefore + 4));

    QPointer<PalukF01> window = pressRun(listingPath);
    ASSERT_EQ(platform_.messages.size(), 2);
    EXPECT_TRUE(platform_.reportedFailure({u"エラー番号：13\r\n"_qs, u"ディスクの空き容量が足りません。"_qs}));
    EXPECT_EQ(fingerprintOf(store_.connection()), fingerprintOf(earlierContent()));
    EXPECT_EQ(store::Cursor(store_.connection(), u"PRAGMA integrity_check").text(0), u"ok"_qs);
    if (window) {
        window->close();
        settle();
    }

    // Nothing of the failed run is left pending on the connection: with room again, the same
    // connection imports the whole listing.
    store_.connection().execute(u"PRAGMA max_page_count = 1073741823"_qs);
    EXPECT_TRUE(pressRun(listingPath).isNull());
    ASSERT_EQ(platform_.messages.size(), 2);
    EXPECT_EQ(platform_.messages[1].title, u"正常終了"_qs);
    EXPECT_EQ(fingerprintOf(store_.connection()), fingerprintOf(listing.rows));
}

} // namespace
} // namespace paluksen::test
