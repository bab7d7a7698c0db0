#pragma once

#include "store/Sqlite.h"

#include <QString>
#include <QStringList>

namespace paluksen::store {

// The store's tables, columns and statements: every statement is built from the names here.
namespace sql {
namespace column {
inline const QString kGroup = QStringLiteral("グループ");
inline const QString kName = QStringLiteral("名前");
inline const QString kAddress = QStringLiteral("アドレス");
inline const QString kCompany = QStringLiteral("会社名");
inline const QString kDepartment = QStringLiteral("部署名");
inline const QString kTitle = QStringLiteral("役職");
} // namespace column

inline const QString kAddressTable = QStringLiteral("アドレス情報");
inline const QStringList kAddressColumns = {column::kName, column::kAddress, column::kCompany, column::kDepartment,
                                            column::kTitle};
inline const QString kGroupTable = QStringLiteral("グループ情報");
inline const QStringList kGroupColumns = {column::kGroup, column::kName, column::kAddress};
inline const QString kOutputView = QStringLiteral("出力情報");
// Where each column stands in a row of the output queries below, which name them in this order.
enum OutputColumn : int { kGroup, kName, kAddress, kCompany, kDepartment, kTitle };

// The indexes of both tables, with the statement that creates each; an index SQLite made for a
// constraint has none and is left alone.
inline const QString kTableIndexes = QStringLiteral(
    "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL AND tbl_name IN (?, ?)");
inline const QString kClearAddresses = QStringLiteral("DELETE FROM ") + kAddressTable;
inline const QString kClearGroups = QStringLiteral("DELETE FROM ") + kGroupTable;
inline const QString kGroupNames =
    QStringLiteral("SELECT DISTINCT %1 FROM %2 ORDER BY %1").arg(column::kGroup, kGroupTable);

// The rows of the output view, read from the tables themselves. They follow the view's rules
// (see schema.sql): one row per membership, completed from the first-stored person of the same
// name and address, then one row, group Null, per person whom no membership names. Read through
// the view they cost a third more, since SQLite hands every row of a view that sorts itself on
// through a co-routine; the view stays for whoever else reads the store. The golden files hold
// these queries to the view's rows and order. In the patterns, %1 to %6 are the output columns
// in their order, %7 the address table and %8 the group table.
inline const QString kMembershipPattern =
    QStringLiteral("SELECT m.%1, m.%2, m.%3, p.%4, p.%5, p.%6 FROM %8 AS m LEFT JOIN %7 AS p ON p.rowid ="
                   " (SELECT f.rowid FROM %7 AS f WHERE f.%2 = m.%2 AND f.%3 = m.%3 ORDER BY f.rowid LIMIT 1)");
inline const QString kUnnamedPersonPattern =
    QStringLiteral("SELECT NULL AS %1, p.%2, p.%3, p.%4, p.%5, p.%6 FROM %7 AS p WHERE NOT EXISTS (SELECT 1 FROM %8 AS "
                   "m WHERE m.%2 = p.%2 AND m.%3 = p.%3)");
inline QString withNames(const QString& pattern)
{
    return pattern.arg(column::kGroup, column::kName, column::kAddress, column::kCompany, column::kDepartment,
                       column::kTitle, kAddressTable, kGroupTable);
}
// Sorted by group, name and address, as the view sorts itself.
inline const QString kOutputSorted = withNames(kMembershipPattern + QStringLiteral(" UNION ALL ") +
                                               kUnnamedPersonPattern + QStringLiteral(" ORDER BY 1, 2, 3"));
inline const QString kOutputWithoutGroup =
    withNames(kMembershipPattern + QStringLiteral(" WHERE m.%1 IS NULL UNION ALL ") + kUnnamedPersonPattern +
              QStringLiteral(" ORDER BY 2, 3"));
// Only memberships have a group. The group name is bound as a parameter, never pasted into the
// text: a name holding a single quote must neither break the statement nor change it.
inline const QString kOutputOfGroup =
    withNames(kMembershipPattern + QStringLiteral(" WHERE m.%1 = ? ORDER BY m.%2, m.%3"));
// The vCard export's rows: each distinct membership (kind 0, with the company details the output
// view gives its name and address), then each person whom no membership names (kind 1, with the
// person's place in the table, so that duplicates keep their stored order), sorted by name and
// address, a pair's memberships together in the order of their groups. The columns: kind, place,
// then the output columns in their order.
inline const QString kCardRows =
    withNames(QStringLiteral("SELECT DISTINCT 0, 0,") + kMembershipPattern.sliced(6) + // after its "SELECT"
              QStringLiteral(" UNION ALL SELECT 1, p.rowid,") + kUnnamedPersonPattern.sliced(6) +
              QStringLiteral(" ORDER BY 4, 5, 1, 3, 2"));
} // namespace sql

// Opens the address store that ships beside the executable and checks that it is one: a
// missing file, a file that is no database, or a missing table or view fails here, at start-up,
// rather than in the middle of an import.
Connection openAddressStore(const QString& path);

// Drops the indexes of both tables when made, and creates them again on restore(), inside the
// caller's transaction: no reader of the store sees it without them, and a run that fails before
// restore() leaves their return to the rollback. Rows appended to bare tables and indexed once at
// the end take about half the time of three indexes kept in step row by row.
class IndexesSetAside {
public:
    explicit IndexesSetAside(Connection& connection);
    void restore();

private:
    Connection& connection_;
    QStringList definitions_;
};

// Gives the file's free pages back to the disk where they are more than half of it, as after a
// large listing was replaced by a small one; outside any transaction. The engine rebuilds the
// store through its journal, so a run killed meanwhile leaves it as it was. A store that cannot be
// rebuilt now (a full disk) keeps its free pages for the next import: its content is whole.
void compactIfMostlyFree(Connection& connection);

// Creates the tables, the view and the indexes in an empty database.
void createSchema(Connection& connection, const QString& schemaSql);

} // namespace paluksen::store
