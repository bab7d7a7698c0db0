#include "GeneratedListing.h"
#include "StoreContent.h"
#include "gui/PalukF01.h"
#include "support/WindowTest.h"

#include <QDir>
#include <QPointer>
#include <QProcess>

namespace paluksen::test {
namespace {

// Only keeps a hang finite; the import itself waits out the store's own busy timeout.
constexpr int kProcessWaitMs = 30000;

class StoreBusyTest : public WindowTest {
protected:
    // Presses 処理実行, answers Yes and chooses the listing; the window is left to the caller.
    QPointer<PalukF01> pressRun(const QString& listingPath)
    {
        platform_.answers = {MessageAnswer::Yes};
        platform_.fileChoices = {listingPath};
        QPointer<PalukF01> window = new PalukF01(context_);
        window->show();
        test::child<QPushButton>(window, u"処理実行"_qs)->click();
        settle();
        return window;
    }
};

TEST_F(StoreBusyTest, ImportIntoAStoreLockedByAnotherProgramFailsAndKeepsTheEarlierContent)
{
    appendContent(store_.connection(), earlierContent());
    const GeneratedListing listing = generateListing(10, 2, 3);
    const QString listingPath = QDir(store_.dir()).filePath(u"listing.txt"_qs);
    writeFile(listingPath, listing.bytes);

    QProcess holder;
    holder.start(QStringLiteral(LOCK_HOLDER), {store_.path()});
    ASSERT_TRUE(holder.waitForReadyRead(kProcessWaitMs)) << holder.readAllStandardError().toStdString();
    ASSERT_EQ(holder.readLine().trimmed(), QByteArray("locked")) << holder.readAllStandardError().toStdString();

    QPointer<PalukF01> window = pressRun(listingPath);
    ASSERT_EQ(platform_.messages.size(), 2);
    EXPECT_TRUE(platform_.reportedFailure(
        {u"エラー番号：5\r\n"_qs, u"アドレス帳データベースは他のプログラムが使用中です。"_qs}));
    // The rows are read while the other program still holds its lock: reading is allowed.
    EXPECT_EQ(fingerprintOf(store_.connection()), fingerprintOf(earlierContent()));

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(kProcessWaitMs));
    EXPECT_EQ(holder.exitCode(), 0) << holder.readAllStandardError().toStdString();
    EXPECT_EQ(fingerprintOf(store_.connection()), fingerprintOf(earlierContent()));

    // The failed attempt left no transaction open on the program's connection: once the other
    // program has let go, the same connection imports as usual.
    if (window) {
        window->close();
        settle();
    }
    platform_.messages.clear();
    platform_.endedWith.clear();
    EXPECT_TRUE(pressRun(listingPath).isNull());
    ASSERT_EQ(platform_.messages.size(), 2);
    EXPECT_EQ(platform_.messages[1].title, u"正常終了"_qs);
    EXPECT_TRUE(platform_.endedWith.isEmpty());
    EXPECT_EQ(fingerprintOf(store_.connection()), fingerprintOf(listing.rows));
}

} // namespace
} // namespace paluksen::test
