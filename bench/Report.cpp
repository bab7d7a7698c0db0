#include "Report.h"

#include <algorithm>
#include <cstdio>

namespace paluksen::bench {
namespace {

constexpr double kMemoryTargetMiB = 16; // growth of the peak from the small to the large size

double mib(qint64 kib)
{
    return static_cast<double>(kib) / 1024.0;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

template <typename Field>
double medianOf(const std::vector<Measured>& runs, Field field)
{
    std::vector<double> values;
    for (const Measured& m : runs)
        values.push_back(static_cast<double>(m.*field));
    return median(values);
}

qint64 peakOf(const std::vector<Measured>& runs)
{
    qint64 peak = 0;
    for (const Measured& m : runs)
        peak = std::max(peak, m.peakKiB);
    return peak;
}

// What each stage is, in the order the table lists them.
const std::pair<const char*, const char*> kStages[] = {
    {"parse", "decode + parse (no store)"},
    {"shell-import", "sqlite3 shell .import"},
    {"import", "paluksen import"},
    {"call-import-empty", "import call, empty store"},
    {"call-import", "import call, earlier content"},
    {"window-import", "import window, same"},
    {"shell-dump", "sqlite3 -csv dump"},
    {"csv", "paluksen csv"},
    {"edmax", "paluksen edmax"},
    {"turukame", "paluksen turukame"},
    {"vcard", "paluksen vcard"},
    {"call-csv", "csv call"},
    {"window-csv", "CSV window"},
    {"call-edmax", "edmax call"},
    {"window-edmax", "EdMax window"},
    {"call-turukame", "turukame call"},
    {"window-turukame", "TuruKame window"},
    {"call-vcard", "vcard call"},
    {"window-vcard", "vCard window"},
};

} // namespace

bool printSpeed(const SizeRun& run, const std::vector<Pair>& pairs, bool judged)
{
    std::printf("\nListing: %lld lines, %lld persons, %lld groups, %lld memberships\n\n",
                static_cast<long long>(run.shape.lines), static_cast<long long>(run.shape.persons),
                static_cast<long long>(run.shape.groups), static_cast<long long>(run.shape.memberships));
    std::printf("| %-30s | %4s | %8s | %8s | %8s |\n", "stage (median of runs)", "runs", "seconds", "cpu s", "peak MB");
    std::printf("|%s|%s|%s|%s|%s|\n", "--------------------------------",
                "-----:", "---------:", "---------:", "---------:");
    for (const auto& [stage, what] : kStages) {
        const auto found = run.runs.find(QString::fromLatin1(stage));
        if (found == run.runs.end())
            continue;
        const std::vector<Measured>& runs = found->second;
        std::printf("| %-30s | %4zu | %8.3f | %8.3f | %8.1f |\n", what, runs.size(), medianOf(runs, &Measured::seconds),
                    medianOf(runs, &Measured::processorSeconds), mib(peakOf(runs)));
    }

    std::printf("\n| %-34s | %6s | %9s | %7s | %-6s | %s\n", "ratio (median of rounds)", "wall", "processor", "target",
                "", "wall ratio of each round");
    std::printf("|%s|%s|%s|%s|%s|%s\n", "------------------------------------",
                "-------:", "----------:", "--------:", "--------", "---");
    bool met = true;
    for (const Pair& pair : pairs) {
        const double wall = median(run.wallRatios.at(&pair));
        const bool pairJudged = judged && pair.target > 0;
        const bool pairMet = wall <= pair.target;
        met &= pairMet || !pairJudged;
        std::printf("| %-34s | %6.2f | %9.2f | ", pair.what, wall, median(run.processorRatios.at(&pair)));
        if (pair.target > 0)
            std::printf("<= %4.2f | %-6s |", pair.target, !pairJudged ? "-" : pairMet ? "met" : "MISSED");
        else
            std::printf("%7s | %-6s |", "", "-");
        for (const double ratio : run.wallRatios.at(&pair))
            std::printf(" %.2f", ratio);
        std::printf("\n");
    }
    return met;
}

bool printMemory(const SizeRun& small, const SizeRun& large)
{
    std::printf("\nPeak resident memory of the command line's process, %lld lines against %lld lines:\n\n",
                static_cast<long long>(small.shape.lines), static_cast<long long>(large.shape.lines));
    std::printf("| %-10s | %8s | %8s | %7s | %-6s |\n", "command", "small MB", "large MB", "growth", "<=16MB");
    std::printf("|%s|%s|%s|%s|%s|\n", "------------", "---------:", "---------:", "--------:", "--------");
    bool met = true;
    for (const Job& job : jobs()) {
        const QString& name = job.command;
        const double smallMib = mib(peakOf(small.runs.at(name)));
        const double largeMib = mib(peakOf(large.runs.at(name)));
        const bool grewLittle = largeMib - smallMib <= kMemoryTargetMiB;
        met &= grewLittle;
        std::printf("| %-10s | %8.1f | %8.1f | %+7.1f | %-6s |\n", qPrintable(name), smallMib, largeMib,
                    largeMib - smallMib, grewLittle ? "met" : "MISSED");
    }
    return met;
}

} // namespace paluksen::bench
