#include "support/SyntheticListing.h"
#include "support/TestStore.h"

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

constexpr int kRuns = 20;

// The command line's import into a copy of the earlier store; the test kills it at any moment.
QProcess* startImport(const QString& store, const QString& listing, QObject* parent)
{
    auto* child = new QProcess(parent);
    child->start(QStringLiteral(PALUKSEN_EXE), {u"import"_qs, listing, u"--store"_qs, store});
    EXPECT_TRUE(child->waitForStarted());
    return child;
}

// What the program finds when it next opens the store: the first read rolls back the journal a
// killed import left, and the integrity check looks at what that gave.
QString reopened(const QString& path)
{
    store::Connection store = store::Connection::openExisting(path);
    EXPECT_EQ(store::Cursor(store, u"PRAGMA integrity_check").text(0), u"ok"_qs);
    return storeContent(store);
}

TEST(KilledImport, StoreHoldsEitherTheEarlierOrTheWholeNewContent)
{
    TestStore earlier;
    earlier.connection().execute(kEarlierRows);
    const QString earlierContent = storeContent(earlier.connection());
    const QDir dir(earlier.dir());
    auto copy = [&](const QString& name) {
        EXPECT_TRUE(QFile::copy(earlier.path(), dir.filePath(name)));
        return dir.filePath(name);
    };
    // Large enough that the engine spills changed pages into the store file before the commit.
    const QString listing = dir.filePath(u"listing.txt"_qs);
    writeSyntheticListing(listing, 300000);

    QElapsedTimer clock;
    clock.start();
    QProcess* whole = startImport(copy(u"whole.mdb"_qs), listing, nullptr);
    ASSERT_TRUE(whole->waitForFinished(120000));
    const qint64 importMs = clock.elapsed();
    ASSERT_EQ(whole->exitCode(), 0) << whole->readAllStandardError().toStdString();
    delete whole;
    const QString newContent = reopened(dir.filePath(u"whole.mdb"_qs));
    ASSERT_NE(newContent, earlierContent);

    // Run i is killed within the i-th of kRuns slices of 1.1 times that time: start-up, the
    // clearing, the reading, the commit and a little after.
    std::mt19937 random(20240917);
    int insideTransaction = 0;
    for (int run = 0; run < kRuns; ++run) {
        const QString path = copy(QStringLiteral("run%1.mdb").arg(run));
        const auto delay = std::chrono::microseconds(
            static_cast<qint64>(importMs * 1100.0 * (run + std::uniform_real_distribution<>()(random)) / kRuns));
        QObject owner;
        QProcess* child = startImport(path, listing, &owner);
        std::this_thread::sleep_for(delay);
        child->kill(); // SIGKILL: no destructor, no rollback, no closing of the file
        ASSERT_TRUE(child->waitForFinished());
        insideTransaction += QFile::exists(path + u"-journal"_qs);
        const QString found = reopened(path);
        EXPECT_TRUE(found == earlierContent || found == newContent) << "run " << run << " left a mixture";
        EXPECT_TRUE(child->exitStatus() == QProcess::CrashExit || found == newContent) << "run " << run << " finished";
    }
    // Without a kill that found the transaction open, the runs above would prove nothing.
    EXPECT_GT(insideTransaction, 0);
}

} // namespace
} // namespace paluksen::test
