#pragma once

#include "export/CompanyDetails.h"
#include "export/ShowStatus.h"
#include "store/Sqlite.h"
#include "text/LineWriter.h"

#include <array>

namespace paluksen {

// How an EdMax record's memo line carries the company details, in the order of the window's list,
// and the list's caption, which the window and the command line's help both show.
inline const QString kMemoLayoutsCaption = QStringLiteral("メモ欄の扱い");
enum class MemoLayout {
    TabbedDepartmentAndTitle,
    TabbedDepartment,
    TabbedTitle,
    Company,
    DepartmentAndTitle,
    Department,
    Title,
    Nothing
};

inline const std::array<LayoutEntry, 8> kMemoLayouts = {{
    {QStringLiteral("1 会社名 [Tab] 部署名 [Tab] 役職"), CompanyDetails{CompanyDetails::Separator::Tab, true, true}},
    {QStringLiteral("2 会社名 [Tab] 部署名"), CompanyDetails{CompanyDetails::Separator::Tab, true, false}},
    {QStringLiteral("3 会社名 [Tab] 役職"), CompanyDetails{CompanyDetails::Separator::Tab, false, true}},
    {QStringLiteral("4 会社名"), CompanyDetails{CompanyDetails::Separator::Comma, false, false}},
    {QStringLiteral("5 会社名,部署名,役職"), CompanyDetails{CompanyDetails::Separator::Comma, true, true}},
    {QStringLiteral("6 会社名,部署名"), CompanyDetails{CompanyDetails::Separator::Comma, true, false}},
    {QStringLiteral("7 会社名,役職"), CompanyDetails{CompanyDetails::Separator::Comma, false, true}},
    {QStringLiteral("8 [出力なし]"), std::nullopt}, // the memo line stays, empty: a record has three lines
}};

// Writes the store as an EdMax address book: a three-line record per group name (the name, a
// line of one TAB, an empty line), then a three-line record per output row sorted by group,
// name and address (name TAB TAB group; address; memo). Shows "グループ出力中" before the group
// records and "アドレス出力中" before the address records.
void exportEdMax(store::Connection& store, const OutputTarget& target, MemoLayout layout,
                 const ShowStatus& showStatus = {});

} // namespace paluksen
