#include "base/Jobs.h"
#include "export/CsvExport.h"
#include "export/EdMaxExport.h"
#include "export/TuruKameExport.h"
#include "export/VcardExport.h"

#include <algorithm>
#include <array>

namespace paluksen {
namespace {

// The exports that have no layout list and no use for the clock take the one call shape anyway.
void csv(store::Connection& store, const OutputTarget& target, int, const LocalToday::Clock&, const ShowStatus& show)
{
    exportCsv(store, target, show);
}

void vcard(store::Connection& store, const OutputTarget& target, int, const LocalToday::Clock&, const ShowStatus& show)
{
    exportVcard(store, target, show);
}

void edMax(store::Connection& store, const OutputTarget& target, int layout, const LocalToday::Clock&,
           const ShowStatus& show)
{
    exportEdMax(store, target, MemoLayout(layout), show);
}

void turuKame(store::Connection& store, const OutputTarget& target, int layout, const LocalToday::Clock& clock,
              const ShowStatus& show)
{
    exportTuruKame(store, target, RemarksLayout(layout), clock, show);
}

} // namespace

std::span<const Job> jobs()
{
    static const std::array<Job, 5> table = {{
        {QStringLiteral("PalukF01"),
         QStringLiteral("アドレス帳データを取り込み"),
         1,
         QStringLiteral("import"),
         {},
         std::nullopt,
         &importListing,
         nullptr},
        {QStringLiteral("PalukF02"), QStringLiteral("CSV 出力"), 2, QStringLiteral("csv"),
         QStringLiteral("PalukF02.txt"), std::nullopt, nullptr, &csv},
        {QStringLiteral("PalukF03"), QStringLiteral("vCard 出力"), 3, QStringLiteral("vcard"),
         QStringLiteral("アドレス帳.vcf"), std::nullopt, nullptr, &vcard},
        {QStringLiteral("PalukF05"), QStringLiteral("EdMax アドレス帳作成"), 5, QStringLiteral("edmax"),
         QStringLiteral("常用アドレス.adr"), JobLayouts{QStringLiteral("memo"), kMemoLayoutsCaption, kMemoLayouts},
         nullptr, &edMax},
        {QStringLiteral("PalukF06"), QStringLiteral("鶴亀アドレス帳作成"), 6, QStringLiteral("turukame"),
         QStringLiteral("AdrBook.txt"), JobLayouts{QStringLiteral("remarks"), kRemarksLayoutsCaption, kRemarksLayouts},
         nullptr, &turuKame},
    }};
    return table;
}

const Job* jobOfCommand(QStringView command)
{
    const auto all = jobs();
    const auto found = std::ranges::find_if(all, [&](const Job& job) { return job.command == command; });
    return found == all.end() ? nullptr : &*found;
}

const Job* jobOfButton(int number)
{
    const auto all = jobs();
    const auto found = std::ranges::find_if(all, [&](const Job& job) { return job.button == number; });
    return found == all.end() ? nullptr : &*found;
}

const Job& jobOfWindow(QStringView window)
{
    const auto all = jobs();
    const auto found = std::ranges::find_if(all, [&](const Job& job) { return job.window == window; });
    Q_ASSERT(found != all.end()); // the windows are named from this table
    return *found;
}

QStringList programOutputFiles(const ProgramPaths& paths)
{
    QStringList files;
    for (const Job& job : jobs())
        if (job.exportTo)
            files << paths.output(job.fileName);
    return files;
}

} // namespace paluksen
