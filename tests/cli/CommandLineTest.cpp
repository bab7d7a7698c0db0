#include "support/TestStore.h"
#include "text/Cp932.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <thread>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace paluksen::test {
namespace {

// What a run gave; it speaks the system's code page.
struct Ran {
    int exitCode;
    QByteArray out;
    QString err;
};

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
                QString::fromLocal8Bit(program.readAllStandardError()).remove(u'\r')};
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
    // Each file byte for byte as written out by hand from store.sql (golden/README.md).
    expectExport({"csv"}, "PalukF02.txt", "export/golden/csv.txt");
    expectExport({"edmax"}, "常用アドレス.adr", "export/golden/edmax_1.adr");
    expectExport({"turukame"}, "AdrBook.txt", "export/golden/turukame_1.txt");
    expectExport({"csv", "-"}, "-", "export/golden/csv.txt");
    expectExport({"vcard"}, "アドレス帳.vcf", "export/golden/vcard.vcf");
    for (int n = 1; n <= 8; ++n)
        expectExport({"edmax", "--memo", QString::number(n), "out.adr"}, "out.adr", QStringLiteral("export/golden/edmax_%1.adr").arg(n));
    for (int n = 1; n <= 5; ++n)
        expectExport({"turukame", "--remarks", QString::number(n), "-"}, "-", QStringLiteral("export/golden/turukame_%1.txt").arg(n));
}

TEST_F(CommandLine, EachEndSaysWhatHappenedAndKeepsWhatItMust)
{
    writeFile(file("empty.txt"), "");
    writeFile(file("one.txt"), "Yamada Taro\r\n");
    writeFile(file("blank.txt"), "\r\n\r\n\r\n");
    for (const char* name : {"sample.txt", "AdrBook.txt"}) // a listing where the program's own output would be
        ASSERT_TRUE(QFile::copy(QStringLiteral(PALUKSEN_EXAMPLES "/sample-listing.txt"), file(name)));
    ASSERT_TRUE(QFile::copy(store_.path(), file("broken.mdb")));
    // The persons lose their company: the group records are written before the export fails.
    store::Connection::openExisting(file("broken.mdb"))
        .execute(QStringLiteral("DROP TABLE アドレス情報; CREATE TABLE アドレス情報 (名前, アドレス)"));
    ASSERT_TRUE(QDir(store_.dir()).mkdir(u"sub"_qs));
    const auto storedRows = [](const QString& path) {
        store::Connection store = store::Connection::openExisting(path);
        EXPECT_EQ(store::Cursor(store, u"PRAGMA integrity_check").text(0), u"ok"_qs);
        return store::Cursor(store, u"SELECT ((SELECT count(*) FROM アドレス情報) + (SELECT count(*) FROM グループ情報)) || ' rows, ' ||"
                                    u" (SELECT count(*) FROM sqlite_master WHERE type = 'index') || ' indexes'")
            .text(0);
    };
    const QString rowsBefore = storedRows(store_.path());
    // Outputs that are no plain file: a device node that takes every byte, one that refuses them
    // (or, without the privilege to make nodes, links to the system's own), a pipe another
    // program reads. Each is written into, never replaced. Windows has none of them.
#ifndef Q_OS_WIN
    for (const auto& [name, minor] : {std::pair{"null", 3}, std::pair{"full", 7}})
        ASSERT_TRUE(::mknod(QFile::encodeName(file(name)), S_IFCHR | 0666, makedev(1, minor)) == 0 ||
                    (getuid() != 0 && QFile::link(u"/dev/"_qs + QLatin1String(name), file(name))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("pipe")), 0666), 0);
    QProcess reader;
    reader.setStandardOutputFile(file("from-pipe.txt"));
    reader.start(u"cat"_qs, {file("pipe")});
    EXPECT_TRUE(run({}).err.startsWith(u"paluksen: 画面が見つかりません"_qs)); // the windows without a display: one line
    EXPECT_TRUE(run({"csv", "-"}, u"/dev/full"_qs).err.contains(u"\n標準出力\n"_qs));
    // Standard output closed: no file opened later takes its number, and the write fails in Japanese.
    QProcess closed;
    closed.start(u"sh"_qs, {u"-c"_qs, u"exec \"$0\" csv - >&-"_qs, file(QFileInfo(QStringLiteral(PALUKSEN_EXE)).fileName())});
    EXPECT_TRUE(closed.waitForFinished(60000) && closed.exitCode() == 1);
    EXPECT_EQ(QString::fromLocal8Bit(closed.readAllStandardError()),
              u"エラー番号：%1\n出力ファイルに書き込めませんでした。\n標準出力\nファイルが開かれていません。\n"_qs.arg(EBADF));
#endif
    const QString kept = u"今までのデータはそのまま残っています。\n"_qs;
    const QString clash = u"出力ファイルがアドレス帳データベースと同じファイルです: "_qs;
    const struct {
        const char* store; // none.mdb does not exist: a wrong argument must be found before opening it
        QStringList arguments;
        int exitCode;
        QString said;     // on standard output for 0, else on standard error; after "paluksen: " the line
                          // before the usage for 2, the beginning for --help, else the whole text
        const char* rows; // in the store afterwards, with its indexes; null: as before
    } cases[] = {
        {"row.mdb", {"import", "sample.txt"}, 0, u" 36 行のデータを読み込みました。\n"_qs, "11 rows, 3 indexes"},
        {"row.mdb", {"import", "empty.txt"}, 3, u"入力レコードがありませんでした。\n"_qs + kept, nullptr},
        {"row.mdb", {"import", "one.txt"}, 3, u"入力レコードが1件しかありませんでした。\n"_qs + kept, nullptr},
        {"row.mdb", {"import", "blank.txt"}, 3, u"入力レコードがありませんでした。\n"_qs + kept, nullptr},
        {"row.mdb", {"import", "sub/../AdrBook.txt"}, 1, u"エラー番号：%1\nこのプログラムが出力したファイルは取り込めません。\n%2\nアドレス一覧のテキストファイルを指定してください。\n"_qs.arg(QString::number(EINVAL), QDir::toNativeSeparators(u"sub/../AdrBook.txt"_qs)), nullptr},
        {"row.mdb", {"import", "row.mdb"}, 1, // no text: the store itself
         u"エラー番号：%1\n入力ファイルはテキストファイルではありません。\nrow.mdb\nNUL 文字が含まれています。アドレス一覧のテキストファイルを指定してください。\n"_qs.arg(EILSEQ),
         nullptr},
        {"none.mdb", {"csv", "earlier.txt"}, 1, u"エラー番号：14\nアドレス帳データベースを開けませんでした。\nnone.mdb\n"_qs + kMissingFile.words + u'\n', nullptr},
        {"broken.mdb", {"edmax", "earlier.txt"}, 1, u"エラー番号：1\nアドレス帳データベースの操作に失敗しました。\nbroken.mdb\n"_qs, nullptr},
        // An output that is the store, however it is named, is refused before anything is written.
        {"row.mdb", {"csv", "row.mdb"}, 2, clash + u"row.mdb"_qs, nullptr},
        {"row.mdb", {"edmax", "sub/../row.mdb"}, 2, clash + u"sub/../row.mdb"_qs, nullptr},
        {"row.mdb", {"csv", "hard.mdb"}, 2, clash + u"hard.mdb"_qs, nullptr},
#ifndef Q_OS_WIN
        {"row.mdb", {"import", "pipe"}, 1, u"エラー番号：%1\n入力ファイルを開けませんでした。\npipe\n装置やパイプからは読み込めません。ファイルを指定してください。\n"_qs.arg(ESPIPE), nullptr},
        {"row.mdb", {"csv", "null"}, 0, {}, nullptr},
        {"row.mdb", {"csv", "full"}, 1, u"エラー番号：28\n出力ファイルに書き込めませんでした。\nfull\nディスクの空き容量が足りません。\n"_qs, nullptr},
        {"row.mdb", {"csv", "pipe"}, 0, {}, nullptr},
        {"row.mdb", {"turukame", "link.mdb"}, 2, clash + u"link.mdb"_qs, nullptr}, // a shortcut on Windows, which no one follows
#endif
        // An empty argument, as from a script's unset variable, never falls back to the default.
        {"", {"import", "sample.txt"}, 2, u"--store に空の文字列が指定されています。"_qs, nullptr},
        {"row.mdb", {"import", ""}, 2, u"取り込むファイル（LISTING）に空の文字列が指定されています。"_qs, nullptr},
        {"row.mdb", {"csv", ""}, 2, u"出力ファイル（OUTPUT）に空の文字列が指定されています。"_qs, nullptr},
        {"none.mdb", {"edmax", "--memo=9", "earlier.txt"}, 2, u"--memo には 1 から 8 の番号を指定してください: 9"_qs, nullptr},
        {"none.mdb", {"turukame", "--remarks", "0"}, 2, u"--remarks には 1 から 5 の番号を指定してください: 0"_qs, nullptr},
        {"none.mdb", {"turukame", "--remarks", "1x"}, 2, u"--remarks には 1 から 5 の番号を指定してください: 1x"_qs, nullptr},
        {"none.mdb", {"edmax", "--memo"}, 2, u"--memo の値がありません。"_qs, nullptr},
        {"none.mdb", {"edmax", "-memo", "1", "--memo=2"}, 2, u"--memo が2回以上指定されています。"_qs, nullptr},
        {"none.mdb", {"--version=2"}, 2, u"--version には値を指定できません。"_qs, nullptr},
        {"none.mdb", {"csv", "--", "a", "--help"}, 2, u"余分な引数があります: --help"_qs, nullptr}, // "--" ends the options
        {"none.mdb", {"csv", "--memo", "1"}, 2, u"--memo は edmax にだけ指定できます。"_qs, nullptr},
        {"none.mdb", {"csv", "-colour"}, 2, u"知らないオプションです: -colour"_qs, nullptr},
        {"none.mdb", {"csv", "--colour=red"}, 2, u"知らないオプションです: --colour"_qs, nullptr},
        {"none.mdb", {"export"}, 2, u"知らないコマンドです: export"_qs, nullptr},
        {"none.mdb", {"import"}, 2, u"取り込むファイル（LISTING）が指定されていません。"_qs, nullptr},
        {"none.mdb", {"csv", "earlier.txt", "extra.txt"}, 2, u"余分な引数があります: extra.txt"_qs, nullptr},
        {"none.mdb", {"--help"}, 0, u"Paluksen Ver.1.00.00\n\n使い方:\n"_qs, nullptr},
        {"none.mdb", {"--version"}, 0, u"Paluksen Ver.1.00.00\n"_qs, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        for (const char* name : {"row.mdb", "link.mdb", "hard.mdb"})
            QFile::remove(file(name));
        ASSERT_TRUE(QFile::copy(store_.path(), file("row.mdb")));
        std::filesystem::create_hard_link(file("row.mdb").toStdU16String(), file("hard.mdb").toStdU16String());
#ifndef Q_OS_WIN
        ASSERT_TRUE(QFile::link(u"row.mdb"_qs, file("link.mdb")));
#endif
        writeFile(file("earlier.txt"), "earlier");
        const Ran r = run(QStringList{"--store", c.store} + c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        const QString said = c.exitCode == 0 ? QString::fromLocal8Bit(r.out).remove(u'\r') : r.err;
        const QString wrong = u"paluksen: "_qs + c.said + u"\n使い方:\n"_qs;
        EXPECT_TRUE(c.exitCode == 2 ? said.startsWith(wrong) : c.arguments == QStringList{"--help"} ? said.startsWith(c.said)
                                                                                                    : said == c.said)
            << said.toStdString();
        EXPECT_TRUE((c.exitCode == 0 ? r.err.toUtf8() : r.out).isEmpty());
        EXPECT_EQ(storedRows(file("row.mdb")), c.rows ? QString::fromLatin1(c.rows) : rowsBefore);
        EXPECT_EQ(readFile(file("earlier.txt")), QByteArray("earlier"));
    }
#ifndef Q_OS_WIN
    EXPECT_TRUE(reader.waitForFinished(10000));
    EXPECT_EQ(hex(readFile(file("from-pipe.txt"))), hex(readFile(QStringLiteral(PALUKSEN_TEST_DATA "/export/golden/csv.txt"))));
    for (const char* name : {"null", "full", "pipe"})
        EXPECT_FALSE(QFileInfo(file(name)).isFile()) << name;
#endif
    // Standard output that cannot take what is said is a file failure like any other. Windows has
    // no device that is always full; Wine lends it Linux's, which fails as a full disk does.
    if (QFile full(u"/dev/full"_qs); !full.open(QIODevice::WriteOnly))
        return (void)std::puts("CommandLine: no /dev/full here, so a full standard output is not tried");
    for (const QStringList& arguments : {QStringList{"csv", "-"}, QStringList{"--help"}}) {
        const Ran full = run(arguments, QStringLiteral("/dev/full"));
        EXPECT_EQ(full.exitCode, 1);
        EXPECT_TRUE(full.err.startsWith(QStringLiteral("エラー番号：%1\n").arg(kDiskFull.number))) << full.err.toStdString();
    }
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
    // A small listing after the large one gives the large one's pages back to the disk.
    writeFile(file("listing.txt"), cp932::encode(kListing));
    const qint64 largeBytes = QFileInfo(file("whole.mdb")).size();
    whole.start(QStringLiteral(PALUKSEN_EXE), {u"import"_qs, file("listing.txt"), u"--store"_qs, file("whole.mdb")});
    EXPECT_TRUE(whole.waitForFinished(60000) && whole.exitCode() == 0);
    EXPECT_LT(QFileInfo(file("whole.mdb")).size() * 20, largeBytes);
}

} // namespace
} // namespace paluksen::test
