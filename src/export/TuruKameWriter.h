#pragma once

#include "export/LocalToday.h"
#include "export/ShowStatus.h"
#include "store/Sqlite.h"
#include "text/LineWriter.h"

#include <QChar>

namespace paluksen {

// Writes the store as a TuruKame address book: the entry lines of the rows in no group, then
// for each group name a line "G1 " + name followed by the entry lines of that group's rows.
// An entry line is name,address,yyyy/MM/dd and the remarks, chosen by the first character of
// the chosen list entry:
//   '1' ,company,department,title   '3' ,company,title
//   '2' ,company,department         '4' ,company
// anything else no remarks. Shows "出力中" before the rows. The caller commits the file.
void writeTuruKame(store::Connection& store, LineWriter& out, QChar remarksLayout, LocalToday& today,
                   const ShowStatus& showStatus);

} // namespace paluksen
