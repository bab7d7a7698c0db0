#include "support/TestStore.h"
#include "text/Cp932.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace paluksen::test {
namespace {

// What the program finds when it next opens the store: the first read rolls back the journal a
// killed import left, and the integrity check looks at what that gave.
QString reopened(const QString& path)
{
    store::Connection store = store::Connection::openExisting(path);
    EXPECT_EQ(store::Cursor(store, u"PRAGMA integrity_check").text(0), u"ok"_qs);
    return storeContent(store);
}

// The command line's import, each run into a copy of the earlier store, killed at any moment.
TEST(KilledImport, StoreHoldsEitherTheEarlierOrTheWholeNewContent)
{
    TestStore earlier;
    earlier.connection().execute(kEarlierRows);
    const QString earlierContent = storeContent(earlier.connection());
    const QDir dir(earlier.dir());
    // Large enough that the engine spills changed pages into the store file before the commit.
    writeFile(dir.filePath(u"listing.txt"_qs), cp932::encode(u"山田 太郎\r\n電子メール アドレス :\r\n  taro@example.jp\r\n  会社名 : 山田商事\r\n\r\n"
                                                             u"友人\r\n  山田 太郎 (taro@example.jp)\r\n  鈴木 (suzuki@example.jp)\r\n\r\n"_qs)
                                                   .repeated(33334));
    const auto import = [&](QProcess& child, const QString& name) {
        EXPECT_TRUE(QFile::copy(earlier.path(), dir.filePath(name)));
        child.start(QStringLiteral(PALUKSEN_EXE), {u"import"_qs, dir.filePath(u"listing.txt"_qs), u"--store"_qs, dir.filePath(name)});
        EXPECT_TRUE(child.waitForStarted());
    };
    QElapsedTimer clock;
    clock.start();
    QProcess whole;
    import(whole, u"whole.mdb"_qs);
    ASSERT_TRUE(whole.waitForFinished(120000) && whole.exitCode() == 0) << whole.readAllStandardError().toStdString();
    const qint64 importMs = clock.elapsed();
    const QString newContent = reopened(dir.filePath(u"whole.mdb"_qs));
    ASSERT_NE(newContent, earlierContent);

    // Run i is killed within the i-th of 20 slices of 1.1 times that time: start-up, the
    // clearing, the reading, the commit and a little after.
    std::mt19937 random(20240917);
    int insideTransaction = 0;
    for (int run = 0; run < 20; ++run) {
        const QString name = QStringLiteral("run%1.mdb").arg(run);
        QProcess child;
        import(child, name);
        std::this_thread::sleep_for(std::chrono::microseconds(
            static_cast<qint64>(importMs * 1100.0 * (run + std::uniform_real_distribution<>()(random)) / 20)));
        child.kill(); // SIGKILL: no destructor, no rollback, no closing of the file
        ASSERT_TRUE(child.waitForFinished());
        insideTransaction += QFile::exists(dir.filePath(name) + u"-journal"_qs);
        const QString found = reopened(dir.filePath(name));
        EXPECT_TRUE(found == earlierContent || found == newContent) << "run " << run << " left a mixture";
        EXPECT_TRUE(child.exitStatus() == QProcess::CrashExit || found == newContent) << "run " << run << " finished";
    }
    EXPECT_GT(insideTransaction, 0); // without a kill inside the transaction the runs prove nothing
}

} // namespace
} // namespace paluksen::test
