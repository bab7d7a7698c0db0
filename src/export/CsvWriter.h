#pragma once

#include "store/Sqlite.h"
#include "text/LineWriter.h"

namespace paluksen {

// The rows of the CSV file: the output view in the order it gives. Opened before the file is
// created, so a view that cannot be read fails before anything is written.
store::Cursor openCsvRows(store::Connection& store);

// Writes every row as one line of six CSV fields (グループ, 名前, アドレス, 会社名, 部署名,
// 役職), each row as it is read. The caller commits the file.
void writeCsv(store::Cursor& rows, LineWriter& out);

} // namespace paluksen
