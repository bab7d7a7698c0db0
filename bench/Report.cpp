#include "Report.h"

#include <cstdio>

namespace paluksen::bench {
namespace {

constexpr double kImportTarget = 1.25;   // × (parse + bare insert)
constexpr double kExportTarget = 1.5;    // × bare read
constexpr double kMemoryTargetMiB = 16;  // growth of the peak from the small to the large size

double mib(qint64 kib)
{
    return static_cast<double>(kib) / 1024.0;
}

void row(const char* stage, qint64 rows, const Measured& m)
{
    std::printf("| %-28s | %9lld | %8.3f | %10.0f | %8.3f | %8.1f |\n", stage, static_cast<long long>(rows),
                m.seconds, m.seconds > 0 ? static_cast<double>(rows) / m.seconds : 0.0, m.processorSeconds,
                mib(m.peakKiB));
}

// Judged on wall time; the ratio of processor times beside it shows what the machine's other
// load made of it.
bool ratio(const char* what, double wall, double processor, double target, bool judged)
{
    const bool met = wall <= target;
    std::printf("| %-32s | %6.2f | %9.2f | <= %4.2f | %-6s |\n", what, wall, processor, target,
                !judged ? "-" : met ? "met" : "MISSED");
    return met || !judged;
}

bool memory(const char* stage, const Measured& small, const Measured& large)
{
    const double growth = mib(large.peakKiB) - mib(small.peakKiB);
    const bool met = growth <= kMemoryTargetMiB;
    std::printf("| %-10s | %8.1f | %8.1f | %+7.1f | %-6s |\n", stage, mib(small.peakKiB), mib(large.peakKiB),
                growth, met ? "met" : "MISSED");
    return met;
}

} // namespace

bool printSpeed(const SizeRun& run, bool judged)
{
    const qint64 viewRows = run.bareRead.rows;
    std::printf("\nListing: %lld lines, %lld persons, %lld groups, %lld memberships\n\n",
                static_cast<long long>(run.shape.lines), static_cast<long long>(run.shape.persons),
                static_cast<long long>(run.shape.groups), static_cast<long long>(run.shape.memberships));
    std::printf("| %-28s | %9s | %8s | %10s | %8s | %8s |\n", "stage", "rows", "seconds", "rows/s", "cpu s",
                "peak MB");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", "------------------------------", "----------:", "---------:",
                "-----------:", "---------:", "---------:");
    row("decode + parse", run.parse.rows, run.parse);
    row("bare SQLite insert", run.bareInsert.rows, run.bareInsert);
    row("import (ListingImport)", run.import.rows, run.import);
    row("bare SQLite read (sorted)", viewRows, run.bareRead);
    row("CSV export", viewRows, run.csv);
    row("EdMax export, layout 1", viewRows, run.edMax);
    row("TuruKame export, layout 1", viewRows, run.turuKame);
    std::printf("\n| %-32s | %6s | %9s | %7s | %-6s |\n", "ratio", "wall", "processor", "target", "");
    std::printf("|%s|%s|%s|%s|%s|\n", "----------------------------------", "-------:", "----------:",
                "--------:", "--------");
    bool met = ratio("import / (parse + bare insert)",
                     run.import.seconds / (run.parse.seconds + run.bareInsert.seconds),
                     run.import.processorSeconds / (run.parse.processorSeconds + run.bareInsert.processorSeconds),
                     kImportTarget, judged);
    const auto exportRatio = [&](const char* what, const Measured& m) {
        return ratio(what, m.seconds / run.bareRead.seconds, m.processorSeconds / run.bareRead.processorSeconds,
                     kExportTarget, judged);
    };
    met &= exportRatio("CSV / bare read", run.csv);
    met &= exportRatio("EdMax / bare read", run.edMax);
    met &= exportRatio("TuruKame / bare read", run.turuKame);
    return met;
}

bool printMemory(const SizeRun& small, const SizeRun& large)
{
    std::printf("\nPeak resident memory (VmHWM of the stage's own process), %lld lines against %lld lines:\n\n",
                static_cast<long long>(small.shape.lines), static_cast<long long>(large.shape.lines));
    std::printf("| %-10s | %8s | %8s | %7s | %-6s |\n", "stage", "small MB", "large MB", "growth", "<=16MB");
    std::printf("|%s|%s|%s|%s|%s|\n", "------------", "---------:", "---------:", "--------:", "--------");
    bool met = memory("import", small.import, large.import);
    met &= memory("CSV", small.csv, large.csv);
    met &= memory("EdMax", small.edMax, large.edMax);
    met &= memory("TuruKame", small.turuKame, large.turuKame);
    return met;
}

} // namespace paluksen::bench
