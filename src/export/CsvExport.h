#pragma once

#include "export/ShowStatus.h"
#include "store/Sqlite.h"
#include "text/LineWriter.h"

namespace paluksen {

// Writes every row of the output view, in the view's order, as one line of six CSV fields
// (グループ, 名前, アドレス, 会社名, 部署名, 役職). A field holding an ASCII double quote is quoted
// with its double quotes doubled, one holding a comma, CR or LF is quoted as it is, anything else
// (Null and empty text included) is written bare. The rows are opened before the file is created,
// so a store that cannot be read fails before anything is written; "出力中" is shown in between.
void exportCsv(store::Connection& store, const OutputTarget& target, const ShowStatus& showStatus = {});

} // namespace paluksen
