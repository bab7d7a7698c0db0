#include "GeneratedListing.h"
#include "StoreContent.h"
#include "store/AddressStore.h"
#include "support/TestStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace paluksen::test {
namespace {

constexpr int kRuns = 20;
constexpr unsigned kSeed = 20240917;
// No single process start, import or kill may take this long; it only keeps a hang finite.
constexpr int kProcessWaitMs = 60000;

class KilledImportTest : public ::testing::Test {
protected:
    // A copy of the earlier store, made afresh for every run under a name of its own, so that a
    // journal left by one killed run can never be mistaken for another's.
    QString earlierStoreCopy(const QString& name)
    {
        const QString path = QDir(store_.dir()).filePath(name);
        EXPECT_TRUE(QFile::copy(store_.path(), path)) << path.toStdString();
        return path;
    }

    // Opens the store as the program would the next time it starts: the first read rolls back
    // the journal a killed import left, and the integrity check looks at what that gave.
    static Fingerprint reopen(const QString& path)
    {
        store::Connection reopened = store::Connection::openExisting(path);
        EXPECT_EQ(store::Cursor(reopened, u"PRAGMA integrity_check").text(0), u"ok"_qs) << path.toStdString();
        return fingerprintOf(reopened);
    }

    TestStore store_;
};

TEST_F(KilledImportTest, StoreHoldsEitherTheEarlierOrTheWholeNewContent)
{
    appendContent(store_.connection(), earlierContent());
    const Fingerprint earlier = fingerprintOf(earlierContent());
    ASSERT_EQ(fingerprintOf(store_.connection()), earlier);

    // Large enough that the engine spills changed pages into the file before the commit, so a
    // kill finds the store file itself half rewritten, not only the journal.
    const GeneratedListing listing = generateListing(40000, 2000, 20);
    const QString listingPath = QDir(store_.dir()).filePath(u"large listing.txt"_qs);
    writeFile(listingPath, listing.bytes);
    const Fingerprint complete = fingerprintOf(listing.rows);
    ASSERT_NE(complete, earlier);

    // One import left to finish tells how long an import takes here, to spread the kills over.
    QElapsedTimer clock;
    QProcess whole;
    clock.start();
    whole.start(QStringLiteral(IMPORT_CHILD), {earlierStoreCopy(u"whole.mdb"_qs), listingPath});
    ASSERT_TRUE(whole.waitForFinished(kProcessWaitMs));
    const qint64 importMs = clock.elapsed();
    ASSERT_EQ(whole.exitStatus(), QProcess::NormalExit) << whole.readAllStandardError().toStdString();
    ASSERT_EQ(whole.exitCode(), 0) << whole.readAllStandardError().toStdString();
    EXPECT_EQ(whole.readAllStandardOutput().trimmed().toLongLong(), listing.lineCount);
    ASSERT_EQ(reopen(QDir(store_.dir()).filePath(u"whole.mdb"_qs)), complete);
    std::printf("listing: %lld lines, %zu addresses, %zu memberships, %lld bytes; import took %lld ms\n",
                static_cast<long long>(listing.lineCount), listing.rows.addresses.size(),
                listing.rows.memberships.size(), static_cast<long long>(listing.bytes.size()),
                static_cast<long long>(importMs));

    // Run i is killed somewhere in the i-th of kRuns equal slices of 1.1 times that duration, so
    // the kills cover the start-up, the clearing, the reading, the commit and a little after.
    std::mt19937 random(kSeed);
    std::uniform_real_distribution<double> withinSlice(0.0, 1.0);
    std::printf("seed %u\n", kSeed);
    int endedEarlier = 0;
    int endedNew = 0;
    int killedWithJournal = 0;
    int killedWithStoreFileChanged = 0;
    const QByteArray earlierBytes = readFile(store_.path());
    for (int run = 0; run < kRuns; ++run) {
        const double delayMs = importMs * 1.1 * (run + withinSlice(random)) / kRuns;
        const QString path = earlierStoreCopy(QStringLiteral("run%1.mdb").arg(run));
        QProcess child;
        const auto started = std::chrono::steady_clock::now();
        child.start(QStringLiteral(IMPORT_CHILD), {path, listingPath});
        ASSERT_TRUE(child.waitForStarted(kProcessWaitMs)) << "run " << run;
        std::this_thread::sleep_until(started + std::chrono::microseconds(static_cast<qint64>(delayMs * 1000)));
        child.kill(); // SIGKILL: no destructor, no rollback, no closing of the file
        ASSERT_TRUE(child.waitForFinished(kProcessWaitMs)) << "run " << run;
        const bool killed = child.exitStatus() == QProcess::CrashExit;
        if (!killed) {
            EXPECT_EQ(child.exitCode(), 0) << "run " << run << ": " << child.readAllStandardError().toStdString();
        }
        const bool journalLeft = QFile::exists(path + u"-journal"_qs);
        const bool storeFileChanged = readFile(path) != earlierBytes;
        killedWithJournal += killed && journalLeft;
        killedWithStoreFileChanged += killed && journalLeft && storeFileChanged;
        const Fingerprint found = reopen(path);
        const char* ending = found == earlier ? "earlier" : found == complete ? "new" : "MIXED";
        std::printf("run %2d: kill at %6.1f ms, %s, journal %s, store file %s, store %s\n", run, delayMs,
                    killed ? "killed" : "had finished", journalLeft ? "left" : "none",
                    storeFileChanged ? "changed" : "as before", ending);
        EXPECT_TRUE(found == earlier || found == complete)
            << "run " << run << " left a mixture: " << ::testing::PrintToString(found);
        endedEarlier += found == earlier;
        endedNew += found == complete;
        // An import that was left to finish must have left its content.
        if (!killed) {
            EXPECT_EQ(found, complete) << "run " << run;
        }
        QFile::remove(path);
    }
    std::printf("%d runs: %d earlier content, %d new content; %d killed inside the transaction, %d of them "
                "with the store file already changed\n",
                kRuns, endedEarlier, endedNew, killedWithJournal, killedWithStoreFileChanged);
    RecordProperty("earlier", endedEarlier);
    RecordProperty("new", endedNew);
    RecordProperty("killedInsideTransaction", killedWithJournal);
    RecordProperty("killedWithStoreFileChanged", killedWithStoreFileChanged);
    // Without a kill that found the transaction open, the runs above would prove nothing.
    EXPECT_GT(killedWithJournal, 0);
}

} // namespace
} // namespace paluksen::test
