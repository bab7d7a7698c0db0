#include "export/EdMaxWriter.h"
#include "export/CompanyDetails.h"
#include "export/OutputColumns.h"
#include "store/AddressStore.h"

namespace paluksen {
namespace {
constexpr QChar kTab = u'\t';

void appendTabbed(QString& line, const store::Cursor& row, int first, int second)
{
    line += row.text(first);
    line += kTab;
    line += row.text(second);
}

void appendMemo(QString& line, QChar layout, const store::Cursor& row, const OutputColumns& columns)
{
    switch (layout.unicode()) {
    case u'1':
        appendTabbed(line, row, columns.company, columns.department);
        line += kTab;
        line += row.text(columns.title);
        break;
    case u'2':
        appendTabbed(line, row, columns.company, columns.department);
        break;
    case u'3':
        appendTabbed(line, row, columns.company, columns.title);
        break;
    case u'4':
        appendCompanyDetails(line, CompanyWith::Nothing, row, columns);
        break;
    case u'5':
        appendCompanyDetails(line, CompanyWith::DepartmentAndTitle, row, columns);
        break;
    case u'6':
        appendCompanyDetails(line, CompanyWith::Department, row, columns);
        break;
    case u'7':
        appendCompanyDetails(line, CompanyWith::Title, row, columns);
        break;
    default:
        break;
    }
}

void writeGroupRecords(store::Connection& store, LineWriter& out)
{
    store::Cursor groups(store, store::sql::kGroupNames);
    for (; !groups.atEnd(); groups.next()) {
        out.writeLine(groups.text(0));
        out.writeLine(u"\t");
        out.writeLine(u"");
    }
}

void writeAddressRecords(store::Connection& store, LineWriter& out, QChar memoLayout)
{
    store::Cursor rows(store, store::sql::kOutputSorted);
    const OutputColumns columns(rows);
    QString line; // reused, so a long run does not allocate a line per row
    for (; !rows.atEnd(); rows.next()) {
        line.truncate(0);
        line += rows.text(columns.name);
        line += kTab;
        line += kTab;
        line += rows.text(columns.group);
        out.writeLine(line);

        out.writeLine(rows.text(columns.address));

        line.truncate(0);
        appendMemo(line, memoLayout, rows, columns);
        out.writeLine(line);
    }
}
} // namespace

void writeEdMax(store::Connection& store, LineWriter& out, QChar memoLayout, const ShowStatus& showStatus)
{
    showStatus(QStringLiteral("グループ出力中"));
    writeGroupRecords(store, out);
    showStatus(QStringLiteral("アドレス出力中"));
    writeAddressRecords(store, out, memoLayout);
}

} // namespace paluksen
