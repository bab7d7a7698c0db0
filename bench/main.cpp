// Measures the import and the three exports against what bare SQLite needs for the same work.
//
//   paluksen_bench [--lines N] [--baseline-lines M] [--repeat R] [--store FILE] [--dir DIR] [--keep]
//
// Writes a synthetic listing of N lines (and one of M lines for the memory comparison), runs
// every stage in a process of its own, and prints the stage table, the speed ratios and the
// peak memory at both sizes.
#include "ChildStage.h"
#include "Report.h"
#include "Stopwatch.h"
#include "SyntheticListing.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace paluksen::bench {
namespace {

struct Options {
    qint64 lines = 1000000;
    qint64 baselineLines = 100000;
    int repeat = 1;
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

// The fastest of the repeats: slower runs are the machine's noise, not the program's cost.
// The peak memory is the highest seen.
void keepBest(Measured& best, const Measured& again)
{
    best.rows = again.rows;
    best.seconds = std::min(best.seconds, again.seconds);
    best.processorSeconds = std::min(best.processorSeconds, again.processorSeconds);
    best.peakKiB = std::max(best.peakKiB, again.peakKiB);
}

SizeRun measure(const QString& root, const Options& options, qint64 lines)
{
    StagePlace place;
    place.dir = QDir(root).filePath(QStringLiteral("lines-%1").arg(lines));
    QDir().mkpath(place.dir);
    place.listing = QDir(place.dir).filePath(QStringLiteral("listing.txt"));
    place.emptyStore = options.store;

    SizeRun run;
    Stopwatch watch;
    run.shape = writeSyntheticListing(place.listing, lines);
    std::fprintf(stderr, "%lld lines written to %s in %.1f s\n", static_cast<long long>(run.shape.lines),
                 qPrintable(place.listing), watch.seconds());

    // The import fills the store the exports read, so it goes before them. Each round runs every
    // stage once, so a spell of load from other programs spoils one round of all stages rather
    // than every repeat of one.
    const std::pair<const char*, Measured SizeRun::*> stages[] = {
        {"parse", &SizeRun::parse},       {"bare-insert", &SizeRun::bareInsert}, {"import", &SizeRun::import},
        {"bare-read", &SizeRun::bareRead}, {"csv", &SizeRun::csv},              {"edmax", &SizeRun::edMax},
        {"turukame", &SizeRun::turuKame},
    };
    for (int round = 0; round < options.repeat; ++round) {
        for (const auto& [stage, field] : stages) {
            const Measured measured = runInChild(QString::fromLatin1(stage), place);
            std::fprintf(stderr, "  %-12s %8.3f s  %8.3f s processor\n", stage, measured.seconds,
                         measured.processorSeconds);
            if (round == 0)
                run.*field = measured;
            else
                keepBest(run.*field, measured);
        }
    }
    return run;
}

int benchMain(const Options& options)
{
    if (!QFile::exists(options.store))
        die(QStringLiteral("no store file at %1 (give one with --store)").arg(options.store));
    QTemporaryDir temporary(options.dir.isEmpty() ? QDir::temp().filePath(QStringLiteral("paluksen-bench-XXXXXX"))
                                                  : QDir(options.dir).filePath(QStringLiteral("paluksen-bench-XXXXXX")));
    if (!temporary.isValid())
        die(QStringLiteral("cannot make a temporary folder"));
    temporary.setAutoRemove(!options.keep);

    bool met = true;
    if (options.baselineLines > 0 && options.baselineLines != options.lines) {
        const SizeRun small = measure(temporary.path(), options, options.baselineLines);
        const SizeRun large = measure(temporary.path(), options, options.lines);
        met &= printSpeed(small, false);
        met &= printSpeed(large, true);
        met &= printMemory(small, large);
    } else {
        met &= printSpeed(measure(temporary.path(), options, options.lines), true);
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
