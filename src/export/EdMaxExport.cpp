#include "export/EdMaxExport.h"
#include "store/AddressStore.h"

namespace paluksen {
namespace {

constexpr QChar kTab = u'\t';

void writeGroupRecords(store::Connection& store, LineWriter& out)
{
    for (store::Cursor groups(store, store::sql::kGroupNames); !groups.atEnd(); groups.next()) {
        out.writeLine(edMaxFieldValue(groups.text(0)));
        out.writeLine(u"\t");
        out.writeLine(u"");
    }
}

void writeAddressRecords(store::Connection& store, LineWriter& out, const std::optional<CompanyDetails>& memo)
{
    QString line; // reused, so a long run does not allocate a line per row
    for (store::Cursor rows(store, store::sql::kOutputSorted); !rows.atEnd(); rows.next()) {
        line.truncate(0);
        line += edMaxFieldValue(rows.text(store::sql::kName));
        line += kTab;
        line += kTab;
        line += edMaxFieldValue(rows.text(store::sql::kGroup));
        out.writeLine(line);

        out.writeLine(edMaxFieldValue(rows.text(store::sql::kAddress)));

        line.truncate(0);
        if (memo)
            appendCompanyDetails(line, *memo, rows, edMaxFieldValue);
        out.writeLine(line);
    }
}

} // namespace

void exportEdMax(store::Connection& store, const OutputTarget& target, MemoLayout layout, const ShowStatus& showStatus)
{
    LineWriter out(target);
    show(showStatus, QStringLiteral("グループ出力中"));
    writeGroupRecords(store, out);
    show(showStatus, QStringLiteral("アドレス出力中"));
    writeAddressRecords(store, out, kMemoLayouts.at(static_cast<std::size_t>(layout)).details);
    out.commit();
}

} // namespace paluksen
