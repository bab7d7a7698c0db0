#include "export/CsvWriter.h"
#include "export/CsvQuoted.h"
#include "export/OutputColumns.h"
#include "store/AddressStore.h"

#include <iterator>

namespace paluksen {

void writeCsv(store::Connection& store, LineWriter& out, const ShowStatus& showStatus)
{
    store::Cursor rows(store, store::sql::kOutputInViewOrder);
    showStatus(QStringLiteral("出力中"));

    const OutputColumns columns(rows);
    const int fields[] = {columns.group,   columns.name,       columns.address,
                          columns.company, columns.department, columns.title};
    QString line; // reused, so a long run does not allocate a line per row
    for (; !rows.atEnd(); rows.next()) {
        line.truncate(0);
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            if (i > 0)
                line += u',';
            line += CsvQuoted(rows.value(fields[i]));
        }
        out.writeLine(line);
    }
}

} // namespace paluksen
