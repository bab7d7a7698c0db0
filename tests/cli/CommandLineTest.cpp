#include "support/TestStore.h"
#include "text/Cp932.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <chrono>
#include <random>
#include <thread>

namespace paluksen::test {
namespace {

struct Ran { int exitCode; QByteArray out; QString err; }; // what a run of the program gave

// A copy of the program beside a store of its own, so that the default store and output files
// are this folder's and never the build's; run with no display of any kind.
class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_.connection().execute(QString::fromUtf8(readFile(QStringLiteral(PALUKSEN_TEST_DATA "/export/golden/store.sql"))));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PALUKSEN_EXE), file(QFileInfo(QStringLiteral(PALUKSEN_EXE)).fileName())));
    }
    QString file(const QString& name) const { return store_.dir() + u'/' + name; }

    Ran run(const QStringList& arguments, const QString& standardOutputFile = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(store_.dir());
        if (!standardOutputFile.isEmpty())
            program.setStandardOutputFile(standardOutputFile);
        program.start(file(QFileInfo(QStringLiteral(PALUKSEN_EXE)).fileName()), arguments);
        EXPECT_TRUE(program.waitForFinished(60000));
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, program.readAllStandardOutput(),
                QString::fromUtf8(program.readAllStandardError())};
    }

    // Runs an export into `written` ("-" for standard output) over an earlier file of that name,
    // silently, and compares the bytes with a file under tests/; TuruKame lines carry today's date.
    void expectExport(const QStringList& arguments, const QString& written, const QString& expected, const char* day = "2019/01/07")
    {
        if (written != u"-")
            writeFile(file(written), "left from an earlier run\r\n");
        const Ran r = run(arguments);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_TRUE(r.err.isEmpty() && (written == u"-" || r.out.isEmpty())); // nothing said, so "-" stays clean
        const QByteArray today = QDate::currentDate().toString(u"yyyy/MM/dd").toLatin1();
        EXPECT_EQ(hex(written == u"-" ? r.out : readFile(file(written))),
                  hex(readFile(QStringLiteral(PALUKSEN_TEST_DATA "/") + expected).replace(day, today)))
            << arguments.join(u' ').toStdString();
    }

    TestStore store_;
};

TEST_F(CommandLine, ExportsWriteWhatTheWindowsWrite)
{
    // Without OUTPUT and --store: the window's file beside the program, from the store there.
    // Each file byte for byte as golden/make_golden.py spells it out by hand from store.sql.
    expectExport({"csv"}, "PalukF02.txt", "export/golden/csv.txt");
    expectExport({"edmax"}, "常用アドレス.adr", "export/golden/edmax_1.adr");
    expectExport({"turukame"}, "AdrBook.txt", "export/golden/turukame_1.txt");
    expectExport({"csv", "-"}, "-", "export/golden/csv.txt");
    for (int n = 1; n <= 8; ++n)
        expectExport({"edmax", "--memo", QString::number(n), "out.adr"}, "out.adr", QStringLiteral("export/golden/edmax_%1.adr").arg(n));
    for (int n = 1; n <= 5; ++n)
        expectExport({"turukame", "--remarks", QString::number(n), "-"}, "-", QStringLiteral("export/golden/turukame_%1.txt").arg(n));
}

TEST_F(CommandLine, EachEndSaysWhatHappenedAndKeepsWhatItMust)
{
    writeFile(file("empty.txt"), "");
    writeFile(file("one.txt"), "Yamada Taro\r\n");
    ASSERT_TRUE(QFile::copy(QStringLiteral(PALUKSEN_EXAMPLES "/sample-listing.txt"), file("sample.txt")));
    ASSERT_TRUE(QFile::copy(store_.path(), file("broken.mdb")));
    // The view loses its group column: the group records are written before the export fails.
    store::Connection::openExisting(file("broken.mdb"))
        .execute(QStringLiteral("DROP VIEW 出力情報; CREATE VIEW 出力情報 AS SELECT * FROM アドレス情報"));
    const auto storedRows = [](const QString& path) {
        store::Connection store = store::Connection::openExisting(path);
        return store::Cursor(store, u"SELECT (SELECT count(*) FROM アドレス情報) + (SELECT count(*) FROM グループ情報)").text(0);
    };
    const QString rowsBefore = storedRows(store_.path());
    const struct {
        const char* store; // none.mdb does not exist: a wrong argument must be found before opening it
        QStringList arguments;
        int exitCode;
        const char* said; // on standard output for 0, else on standard error
        const char* rows; // in the store afterwards; null: as before
    } cases[] = {
        {"row.mdb", {"import", "sample.txt"}, 0, " 36 行のデータを読み込みました。\n", "11"},
        {"row.mdb", {"import", "empty.txt"}, 3, "入力レコードがありませんでした。\n", "0"},
        {"row.mdb", {"import", "one.txt"}, 3, "入力レコードが1件しかありませんでした。\n", "0"},
        {"row.mdb", {"import", "missing.txt"}, 1, "エラー番号：2\n", nullptr},
        {"none.mdb", {"csv", "earlier.txt"}, 1, "エラー番号：14\nアドレス帳データベースを開けませんでした。\n", nullptr},
        {"broken.mdb", {"edmax", "earlier.txt"}, 1, "エラー番号：1\n", nullptr},
        {"none.mdb", {"edmax", "--memo", "9", "earlier.txt"}, 2, "--memo", nullptr},
        {"none.mdb", {"turukame", "--remarks", "0"}, 2, "--remarks", nullptr},
        {"none.mdb", {"turukame", "--remarks", "1x"}, 2, "1x", nullptr},
        {"none.mdb", {"edmax", "--memo"}, 2, "--memo の値がありません", nullptr},
        {"none.mdb", {"csv", "--memo", "1"}, 2, "--memo", nullptr},
        {"none.mdb", {"csv", "-colour"}, 2, ": colour\n", nullptr},
        {"none.mdb", {"export"}, 2, "export", nullptr},
        {"none.mdb", {"import"}, 2, "LISTING", nullptr},
        {"none.mdb", {"csv", "earlier.txt", "extra.txt"}, 2, "extra.txt", nullptr},
        {"none.mdb", {"--help"}, 0, "8 [出力なし]", nullptr},
        {"none.mdb", {"--version"}, 0, "Paluksen ", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QFile::remove(file("row.mdb"));
        ASSERT_TRUE(QFile::copy(store_.path(), file("row.mdb")));
        writeFile(file("earlier.txt"), "earlier");
        const Ran r = run(QStringList{"--store", c.store} + c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        const QString said = c.exitCode == 0 ? QString::fromUtf8(r.out) : r.err;
        EXPECT_TRUE(said.contains(QString::fromUtf8(c.said))) << said.toStdString();
        EXPECT_TRUE((c.exitCode == 0 ? r.err.toUtf8() : r.out).isEmpty());
        EXPECT_EQ(c.exitCode == 2, r.err.contains(QStringLiteral("使い方")));
        EXPECT_EQ(storedRows(file("row.mdb")), c.rows ? QString::fromLatin1(c.rows) : rowsBefore);
        EXPECT_EQ(readFile(file("earlier.txt")), QByteArray("earlier"));
    }
    // Standard output that cannot take the lines is a file failure like any other.
    const Ran full = run({"csv", "-"}, QStringLiteral("/dev/full"));
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_TRUE(full.err.startsWith(QStringLiteral("エラー番号：28\n"))) << full.err.toStdString();
}

// What the program finds when it next opens the store: the first read rolls back the journal a
// killed import left, and the integrity check looks at what that gave.
QString reopened(const QString& path)
{
    store::Connection store = store::Connection::openExisting(path);
    EXPECT_EQ(store::Cursor(store, u"PRAGMA integrity_check").text(0), u"ok"_qs);
    return storeContent(store);
}

// An import killed at any moment, each run into a copy of the store, leaves either the earlier or
// the whole new content.
TEST_F(CommandLine, KilledImportLeavesTheEarlierOrTheWholeNewContent)
{
    const QString earlier = storeContent(store_.connection());
    // Large enough that the engine spills changed pages into the store file before the commit.
    writeFile(file("listing.txt"), cp932::encode(kListing).repeated(33334));
    const auto import = [&](QProcess& child, const QString& name) {
        EXPECT_TRUE(QFile::copy(store_.path(), file(name)));
        child.start(QStringLiteral(PALUKSEN_EXE), {u"import"_qs, file("listing.txt"), u"--store"_qs, file(name)});
        EXPECT_TRUE(child.waitForStarted());
    };
    QElapsedTimer clock;
    clock.start();
    QProcess whole;
    import(whole, u"whole.mdb"_qs);
    ASSERT_TRUE(whole.waitForFinished(120000) && whole.exitCode() == 0) << whole.readAllStandardError().toStdString();
    const qint64 importMs = clock.elapsed();
    const QString complete = reopened(file("whole.mdb"));
    ASSERT_NE(complete, earlier);
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
        insideTransaction += QFile::exists(file(name) + u"-journal"_qs);
        const QString found = reopened(file(name));
        EXPECT_TRUE(found == earlier || found == complete) << "run " << run << " left a mixture";
        EXPECT_TRUE(child.exitStatus() == QProcess::CrashExit || found == complete) << "run " << run << " finished";
    }
    EXPECT_GT(insideTransaction, 0); // without a kill inside the transaction the runs prove nothing
}

} // namespace
} // namespace paluksen::test
