#pragma once

#include "export/ShowStatus.h"
#include "store/Sqlite.h"
#include "text/LineWriter.h"

namespace paluksen {

// Writes every row of the output view as one line of six CSV fields (グループ, 名前, アドレス,
// 会社名, 部署名, 役職) in the order the view gives, each row as it is read. Shows "出力中"
// once the view is open. The caller commits the file.
void writeCsv(store::Connection& store, LineWriter& out, const ShowStatus& showStatus);

} // namespace paluksen
