#include "export/EdMaxWriter.h"
#include "export/CompanyDetails.h"
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

void appendMemo(QString& line, QChar layout, const store::Cursor& row)
{
    switch (layout.unicode()) {
    case u'1':
        appendTabbed(line, row, store::sql::kCompany, store::sql::kDepartment);
        line += kTab;
        line += row.text(store::sql::kTitle);
        break;
    case u'2':
        appendTabbed(line, row, store::sql::kCompany, store::sql::kDepartment);
        break;
    case u'3':
        appendTabbed(line, row, store::sql::kCompany, store::sql::kTitle);
        break;
    case u'4':
        appendCompanyDetails(line, CompanyWith::Nothing, row);
        break;
    case u'5':
        appendCompanyDetails(line, CompanyWith::DepartmentAndTitle, row);
        break;
    case u'6':
        appendCompanyDetails(line, CompanyWith::Department, row);
        break;
    case u'7':
        appendCompanyDetails(line, CompanyWith::Title, row);
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
    QString line; // reused, so a long run does not allocate a line per row
    for (; !rows.atEnd(); rows.next()) {
        line.truncate(0);
        line += rows.text(store::sql::kName);
        line += kTab;
        line += kTab;
        line += rows.text(store::sql::kGroup);
        out.writeLine(line);

        out.writeLine(rows.text(store::sql::kAddress));

        line.truncate(0);
        appendMemo(line, memoLayout, rows);
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
