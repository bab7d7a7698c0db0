// Measures the import and the four exports against the sqlite3 shell doing the same work, and
// the same jobs through their windows against the command line's own calls.
//
//   paluksen_bench [--lines N] [--baseline-lines M] [--group-percent P] [--repeat R]
//                  [--store FILE] [--dir DIR] [--keep]
//
// Writes a synthetic listing of N lines (and one of M lines for the memory comparison), runs
// every stage in a process of its own, R rounds of every pair, and prints the stage table, the
// ratios and the peak memory at both sizes.
#include "ChildStage.h"
#include "Report.h"
#include "Stopwatch.h"
#include "SyntheticListing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace paluksen::bench {
namespace {

struct Options {
    qint64 lines = 1000000;
    qint64 baselineLines = 100000;
    int groupPercent = 2;
    int repeat = 5;
    QString store = QStringLiteral(PALUKSEN_BENCH_STORE);
    QString dir;
    bool keep = false;
    QString stage; // set only in a child
    QString listing;
};

Options parse(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const auto value = [&]() -> QString {
            if (i + 1 >= argc)
                die(arg + QStringLiteral(" needs a value"));
            return QString::fromLocal8Bit(argv[++i]);
        };
        if (arg == u"--lines")
            options.lines = value().toLongLong();
        else if (arg == u"--baseline-lines")
            options.baselineLines = value().toLongLong();
        else if (arg == u"--group-percent")
            options.groupPercent = std::clamp(value().toInt(), 0, 99);
        else if (arg == u"--repeat")
            options.repeat = std::max(1, value().toInt());
        else if (arg == u"--store")
            options.store = value();
        else if (arg == u"--dir")
            options.dir = value();
        else if (arg == u"--keep")
            options.keep = true;
        else if (arg == u"--stage")
            options.stage = value();
        else if (arg == u"--listing")
            options.listing = value();
        else
            die(QStringLiteral("unknown argument ") + arg);
    }
    if (options.lines < 2)
        die(QStringLiteral("--lines must be at least 2"));
    return options;
}

// The yardstick first, then the stage judged against it. The import pair fills the store the
// export pairs read. The windows work on a store of their own, as the program beside its
// executable does, which holds the listing already when the window imports it again: the user's
// case after the first import.
const std::vector<Pair>& pairs()
{
    static const std::vector<Pair> all = {
        {"import / sqlite3 .import", u"shell-import"_qs, u"import"_qs, 1.0},
        {"CSV / sqlite3 dump", u"shell-dump"_qs, u"csv"_qs, 1.0},
        {"EdMax / sqlite3 dump", u"shell-dump"_qs, u"edmax"_qs, 1.0},
        {"TuruKame / sqlite3 dump", u"shell-dump"_qs, u"turukame"_qs, 1.0},
        {"vCard / sqlite3 dump", u"shell-dump"_qs, u"vcard"_qs, 1.0},
        {"import window / call", u"call-import"_qs, u"window-import"_qs, 1.1},
        // For information: what replacing earlier content costs beside filling an empty store,
        // which a window measured against a command line that fills an empty store pays on top.
        {"import call: earlier / empty store", u"call-import-empty"_qs, u"call-import"_qs, 0},
        {"CSV window / call", u"call-csv"_qs, u"window-csv"_qs, 1.1},
        {"EdMax window / call", u"call-edmax"_qs, u"window-edmax"_qs, 1.1},
        {"TuruKame window / call", u"call-turukame"_qs, u"window-turukame"_qs, 1.1},
        {"vCard window / call", u"call-vcard"_qs, u"window-vcard"_qs, 1.1},
    };
    return all;
}

// The shell's own way of loading the two tables from TSV files: one transaction around both.
void writeShellScript(const StagePlace& place)
{
    QFile script(placeFile(place, QStringLiteral("load.sql")));
    if (!script.open(QIODevice::WriteOnly))
        die(QStringLiteral("cannot write ") + script.fileName());
    script.write(
        QStringLiteral(".mode tabs\nBEGIN;\n.import \"%1\" アドレス情報\n.import \"%2\" グループ情報\nCOMMIT;\n")
            .arg(placeFile(place, QStringLiteral("addresses.tsv")), placeFile(place, QStringLiteral("groups.tsv")))
            .toUtf8());
}

Measured runStage(const QString& stage, const StagePlace& place)
{
    const QString program = QStringLiteral(PALUKSEN_BENCH_EXE);
    const QString imported = importedStore(place);
    const auto output = [&](const char* name) { return placeFile(place, QString::fromUtf8(name)); };
    if (stage == u"shell-import") {
        copyStore(place.emptyStore, output("shell.mdb"));
        return runProgram({u"sqlite3"_qs, output("shell.mdb")}, output("load.sql"), {});
    }
    if (stage == u"import") {
        copyStore(place.emptyStore, imported);
        return runProgram({program, u"import"_qs, place.listing, u"--store"_qs, imported}, {}, {});
    }
    if (stage == u"shell-dump")
        return runProgram(
            {u"sqlite3"_qs, u"-csv"_qs, imported, u"SELECT * FROM 出力情報 ORDER BY グループ,名前,アドレス"_qs}, {},
            output("dump.txt"));
    if (const Job* job = jobOfCommand(stage); job && job->exportTo)
        return runProgram({program, stage, u"--store"_qs, imported, output("cli-out.txt")}, {}, {});
    if (stage == u"call-import-empty") {
        copyStore(place.emptyStore, windowStore(place));
        return runInChild(u"call-import"_qs, place);
    }
    if (stage == u"call-import" || stage == u"window-import")
        copyStore(imported, windowStore(place));
    return runInChild(stage, place);
}

SizeRun measure(const QString& root, const Options& options, qint64 lines)
{
    StagePlace place;
    place.dir = QDir(root).filePath(QStringLiteral("lines-%1").arg(lines));
    QDir().mkpath(place.dir);
    QDir().mkpath(windowFolder(place));
    place.listing = placeFile(place, QStringLiteral("listing.txt"));
    place.emptyStore = options.store;

    SizeRun run;
    Stopwatch watch;
    run.shape = writeSyntheticListing(place.listing, lines, options.groupPercent);
    writeTsvFiles(place);
    writeShellScript(place);
    std::fprintf(stderr, "%lld lines and their TSV files written to %s in %.1f s\n",
                 static_cast<long long>(run.shape.lines), qPrintable(place.dir), watch.seconds());

    const auto timed = [&](const QString& stage) {
        const Measured measured = runStage(stage, place);
        run.runs[stage].push_back(measured);
        std::fprintf(stderr, "  %-16s %8.3f s  %8.3f s processor\n", qPrintable(stage), measured.seconds,
                     measured.processorSeconds);
        return measured;
    };
    // Each round runs every pair once, the two stages of a pair one right after the other, so a
    // spell of load from other programs spoils one round's ratios rather than one side of all;
    // every other round runs the second stage first, so neither side always comes after the
    // other.
    for (int round = 0; round < options.repeat; ++round) {
        timed(u"parse"_qs);
        for (const Pair& pair : pairs()) {
            const bool swapped = round % 2 == 1;
            const Measured earlier = timed(swapped ? pair.second : pair.first);
            const Measured later = timed(swapped ? pair.first : pair.second);
            const Measured& first = swapped ? later : earlier;
            const Measured& second = swapped ? earlier : later;
            run.wallRatios[&pair].push_back(second.seconds / first.seconds);
            run.processorRatios[&pair].push_back(second.processorSeconds / first.processorSeconds);
        }
    }
    return run;
}

int benchMain(const Options& options)
{
    if (!QFile::exists(options.store))
        die(QStringLiteral("no store file at %1 (give one with --store)").arg(options.store));
    QTemporaryDir temporary(options.dir.isEmpty()
                                ? QDir::temp().filePath(QStringLiteral("paluksen-bench-XXXXXX"))
                                : QDir(options.dir).filePath(QStringLiteral("paluksen-bench-XXXXXX")));
    if (!temporary.isValid())
        die(QStringLiteral("cannot make a temporary folder"));
    temporary.setAutoRemove(!options.keep);

    bool met = true;
    if (options.baselineLines > 0 && options.baselineLines != options.lines) {
        const SizeRun small = measure(temporary.path(), options, options.baselineLines);
        const SizeRun large = measure(temporary.path(), options, options.lines);
        met &= printSpeed(small, pairs(), false);
        met &= printSpeed(large, pairs(), true);
        met &= printMemory(small, large);
    } else {
        met &= printSpeed(measure(temporary.path(), options, options.lines), pairs(), true);
    }
    std::printf("\n%s\n", met ? "All targets met." : "Some targets missed.");
    if (options.keep)
        std::printf("Files kept in %s\n", qPrintable(temporary.path()));
    return 0;
}

} // namespace
} // namespace paluksen::bench

int main(int argc, char** argv)
{
    using namespace paluksen::bench;
    const Options options = parse(argc, argv);
    if (!options.stage.isEmpty())
        return childMain(options.stage, {options.dir, options.listing, options.store});
    return benchMain(options);
}
