#include "export/CsvWriter.h"
#include "export/CsvQuoted.h"
#include "store/AddressStore.h"

namespace paluksen {

store::Cursor openCsvRows(store::Connection& store)
{
    return store::Cursor(store, store::sql::kOutputInViewOrder);
}

void writeCsv(store::Cursor& rows, LineWriter& out)
{
    QString line; // reused, so a long run does not allocate a line per row
    for (; !rows.atEnd(); rows.next()) {
        line.truncate(0);
        for (int column = store::sql::kGroup; column <= store::sql::kTitle; ++column) {
            if (column > store::sql::kGroup)
                line += u',';
            line += CsvQuoted(rows.value(column));
        }
        out.writeLine(line);
    }
}

} // namespace paluksen
