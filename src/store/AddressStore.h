#pragma once

#include "store/Sqlite.h"

#include <QString>

namespace paluksen::store {

// The statements and names the program's rooms share, written once.
namespace sql {
inline const QString kAddressTable = QStringLiteral("アドレス情報");
inline const QString kGroupTable = QStringLiteral("グループ情報");
inline const QString kOutputView = QStringLiteral("出力情報");

inline const QString kClearAddresses = QStringLiteral("DELETE FROM アドレス情報");
inline const QString kClearGroups = QStringLiteral("DELETE FROM グループ情報");
inline const QString kOutputInViewOrder = QStringLiteral("SELECT * FROM 出力情報");
inline const QString kGroupNames = QStringLiteral("SELECT DISTINCT グループ FROM グループ情報 ORDER BY グループ");
inline const QString kOutputSorted = QStringLiteral("SELECT * FROM 出力情報 ORDER BY グループ,名前,アドレス");
inline const QString kOutputWithoutGroup = QStringLiteral("SELECT * FROM 出力情報 ") +
                                           QStringLiteral("WHERE グループ IS NULL ") +
                                           QStringLiteral("ORDER BY 名前,アドレス");
// The group name is bound as a parameter, never pasted into the text: a name holding a
// single quote must neither break the statement nor change it.
inline const QString kOutputOfGroup = QStringLiteral("SELECT * FROM 出力情報 ") +
                                      QStringLiteral("WHERE グループ = ? ") +
                                      QStringLiteral("ORDER BY 名前,アドレス");
} // namespace sql

// Opens the address store that ships beside the executable and checks that it is one: a
// missing file, a file that is no database, or a missing table or view fails here, at start-up,
// rather than in the middle of an import.
Connection openAddressStore(const QString& path);

// Creates the tables, the view and the indexes in an empty database.
void createSchema(Connection& connection, const QString& schemaSql);

} // namespace paluksen::store
