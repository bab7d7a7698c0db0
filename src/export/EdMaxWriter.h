#pragma once

#include "export/ShowStatus.h"
#include "store/Sqlite.h"
#include "text/LineWriter.h"

#include <QChar>

namespace paluksen {

// Writes the store as an EdMax address book: a three-line record per group name (the name, a
// line of one TAB, an empty line), then a three-line record per output row sorted by group,
// name and address (name TAB TAB group; address; memo). The memo layout is the first character
// of the chosen list entry:
//   '1' company TAB department TAB title   '5' company,department,title
//   '2' company TAB department             '6' company,department
//   '3' company TAB title                  '7' company,title
//   '4' company                            '8' (empty)
// Any other character writes an empty memo line, so every record keeps its three lines.
// Shows "グループ出力中" before the group records and "アドレス出力中" before the address
// records. The caller commits the file.
void writeEdMax(store::Connection& store, LineWriter& out, QChar memoLayout, const ShowStatus& showStatus);

} // namespace paluksen
