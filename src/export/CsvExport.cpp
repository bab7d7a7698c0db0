#include "export/CsvExport.h"
#include "store/AddressStore.h"

namespace paluksen {
namespace {

constexpr QChar kQuote = u'"';

// A bare line break would end the record early for whoever reads the file back, so it is quoted
// like a comma.
bool needsQuotes(QStringView text)
{
    for (const QChar c : text)
        if (c == u',' || c == u'\r' || c == u'\n' || c == kQuote)
            return true;
    return false;
}

void appendField(QString& line, const QString& text)
{
    if (!needsQuotes(text)) {
        line += text;
        return;
    }
    line += kQuote;
    for (const QChar c : text) {
        line += c;
        if (c == kQuote)
            line += kQuote;
    }
    line += kQuote;
}

} // namespace

void exportCsv(store::Connection& store, const OutputTarget& target, const ShowStatus& showStatus)
{
    store::Cursor rows(store, store::sql::kOutputSorted);
    show(showStatus, QStringLiteral("出力中"));
    LineWriter out(target);
    QString line; // reused, so a long run does not allocate a line per row
    for (; !rows.atEnd(); rows.next()) {
        line.truncate(0);
        for (int column = store::sql::kGroup; column <= store::sql::kTitle; ++column) {
            if (column > store::sql::kGroup)
                line += u',';
            appendField(line, rows.text(column));
        }
        out.writeLine(line);
    }
    out.commit();
}

} // namespace paluksen
