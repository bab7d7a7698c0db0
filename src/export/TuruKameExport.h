#pragma once

#include "export/CompanyDetails.h"
#include "export/LocalToday.h"
#include "export/ShowStatus.h"
#include "store/Sqlite.h"
#include "text/LineWriter.h"

#include <array>

namespace paluksen {

// How a TuruKame entry line's remarks carry the company details, in the order of the window's
// list, and the list's caption, which the window and the command line's help both show.
inline const QString kRemarksLayoutsCaption = QStringLiteral("備考欄の扱い");
enum class RemarksLayout { DepartmentAndTitle, Department, Title, Company, Nothing };

inline const std::array<LayoutEntry, 5> kRemarksLayouts = {{
    {QStringLiteral("1 会社名,部署名,役職"), CompanyDetails{CompanyDetails::Separator::Comma, true, true}},
    {QStringLiteral("2 会社名,部署名"), CompanyDetails{CompanyDetails::Separator::Comma, true, false}},
    {QStringLiteral("3 会社名,役職"), CompanyDetails{CompanyDetails::Separator::Comma, false, true}},
    {QStringLiteral("4 会社名"), CompanyDetails{CompanyDetails::Separator::Comma, false, false}},
    {QStringLiteral("5 [出力なし]"), std::nullopt},
}};

// Writes the store as a TuruKame address book: the entry lines of the rows in no group, then
// for each group name a line "G1 " + name followed by the entry lines of that group's rows.
// An entry line is name,address,yyyy/MM/dd, then a comma and the remarks where the layout has
// any. Each line is dated by the clock as it is written. Shows "出力中" before the rows.
void exportTuruKame(store::Connection& store, const OutputTarget& target, RemarksLayout layout,
                    const LocalToday::Clock& clock = &QDateTime::currentMSecsSinceEpoch,
                    const ShowStatus& showStatus = {});

} // namespace paluksen
