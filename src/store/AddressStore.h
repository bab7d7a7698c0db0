#pragma once

#include "store/Sqlite.h"

#include <QString>
#include <QStringList>

namespace paluksen::store {

// The store's tables, columns and statements, written once for every room that uses them.
namespace sql {
inline const QString kAddressTable = QStringLiteral("アドレス情報");
inline const QStringList kAddressColumns = {QStringLiteral("名前"), QStringLiteral("アドレス"),
                                            QStringLiteral("会社名"), QStringLiteral("部署名"),
                                            QStringLiteral("役職")};
inline const QString kGroupTable = QStringLiteral("グループ情報");
inline const QStringList kGroupColumns = {QStringLiteral("グループ"), QStringLiteral("名前"),
                                          QStringLiteral("アドレス")};
inline const QString kOutputView = QStringLiteral("出力情報");
inline const QStringList kOutputColumns = {QStringLiteral("グループ"), QStringLiteral("名前"),
                                           QStringLiteral("アドレス"), QStringLiteral("会社名"),
                                           QStringLiteral("部署名"), QStringLiteral("役職")};
// Where each column stands in a row of the output queries below, which name them in this order.
enum OutputColumn : int { kGroup, kName, kAddress, kCompany, kDepartment, kTitle };

inline const QString kClearAddresses = QStringLiteral("DELETE FROM アドレス情報");
inline const QString kClearGroups = QStringLiteral("DELETE FROM グループ情報");
inline const QString kGroupNames = QStringLiteral("SELECT DISTINCT グループ FROM グループ情報 ORDER BY グループ");

inline const QString kSelectOutput = QStringLiteral("SELECT ") + quoted(kOutputColumns) +
                                     QStringLiteral(" FROM ") + quoted({kOutputView});
inline const QString kOutputInViewOrder = kSelectOutput;
inline const QString kOutputSorted = kSelectOutput + QStringLiteral(" ORDER BY グループ,名前,アドレス");
inline const QString kOutputWithoutGroup = kSelectOutput + QStringLiteral(" WHERE グループ IS NULL ORDER BY 名前,アドレス");
// The group name is bound as a parameter, never pasted into the text: a name holding a
// single quote must neither break the statement nor change it.
inline const QString kOutputOfGroup = kSelectOutput + QStringLiteral(" WHERE グループ = ? ORDER BY 名前,アドレス");
} // namespace sql

// Opens the address store that ships beside the executable and checks that it is one: a
// missing file, a file that is no database, or a missing table or view fails here, at start-up,
// rather than in the middle of an import.
Connection openAddressStore(const QString& path);

// Creates the tables, the view and the indexes in an empty database.
void createSchema(Connection& connection, const QString& schemaSql);

} // namespace paluksen::store
